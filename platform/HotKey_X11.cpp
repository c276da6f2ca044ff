#include "HotKey.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

Q_LOGGING_CATEGORY(lcHotKey, "vx7.platform.hotkey")

namespace vx7::platform {
namespace {

// Modifier combinations that must not stop the hot key: Caps Lock and Num Lock.
constexpr unsigned kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
constexpr unsigned kRelevantModifiers = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

int g_grabError = 0;
int CatchGrabError(Display*, XErrorEvent* e) {
    g_grabError = e->error_code;
    return 0;
}

class X11HotKey final : public HotKey, public QAbstractNativeEventFilter {
  public:
    X11HotKey(Display* display, QObject* parent) : HotKey(parent), display_(display) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~X11HotKey() override {
        Unregister();
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool Register(char character) override {
        Unregister();
        const KeySym sym = HotKeySymFor(character);
        if (!sym)
            return false;
        const KeyCode code = XKeysymToKeycode(display_, sym);
        if (!code)
            return false;
        const Window root = DefaultRootWindow(display_);
        XSync(display_, False);
        g_grabError = 0;
        XErrorHandler previous = XSetErrorHandler(CatchGrabError);
        for (unsigned variant : kLockVariants)
            XGrabKey(display_, code, ControlMask | variant, root, False, GrabModeAsync, GrabModeAsync);
        XSync(display_, False);
        XSetErrorHandler(previous);
        if (g_grabError) {
            qCWarning(lcHotKey) << "Ctrl +" << character << "is taken by another program";
            for (unsigned variant : kLockVariants)
                XUngrabKey(display_, code, ControlMask | variant, root);
            XFlush(display_);
            return false;
        }
        keycode_ = code;
        return true;
    }

    void Unregister() override {
        if (!keycode_)
            return;
        const Window root = DefaultRootWindow(display_);
        for (unsigned variant : kLockVariants)
            XUngrabKey(display_, keycode_, ControlMask | variant, root);
        XFlush(display_);
        keycode_ = 0;
    }

    bool Available() const override { return true; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (!keycode_ || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        if (key->detail != keycode_ || (key->state & kRelevantModifiers) != ControlMask)
            return false;
        emit Activated();
        return true;
    }

  private:
    Display* display_;
    KeyCode keycode_ = 0;
};

} // namespace

unsigned long HotKeySymFor(char c) {
    if (c >= 'A' && c <= 'Z')
        return XK_a + (c - 'A');
    if (c >= 'a' && c <= 'z')
        return XK_a + (c - 'a');
    if (c >= '0' && c <= '9')
        return XK_0 + (c - '0');
    switch (c) {
    case ',':
        return XK_comma;
    case '.':
        return XK_period;
    case '/':
        return XK_slash;
    case ';':
        return XK_semicolon;
    case '\'':
        return XK_apostrophe;
    default:
        return 0;
    }
}

std::unique_ptr<HotKey> MakeHotKey(QObject* parent) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* app = qGuiApp;
        if (auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
            if (Display* display = x11->display())
                return std::make_unique<X11HotKey>(display, parent);
        }
    }
    return std::make_unique<NullHotKey>(QStringLiteral("此桌面不是 X11 显示, 截屏热键不可用"), parent);
}

} // namespace vx7::platform
