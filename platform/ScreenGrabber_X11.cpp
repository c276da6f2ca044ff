#include "CursorOverlay.h"
#include "DesktopScreenGrabber.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace vx7::platform {
namespace {

Display* X11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !qGuiApp)
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

class DesktopScreenGrabber final : public ScreenGrabber {
  public:
    QImage GrabArea(const QRect& area) override {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return QImage();
        return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    }

    QImage GrabScreenWithCursor() override {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return QImage();
        const QRect geometry = screen->geometry();
        QImage image = screen->grabWindow(0, 0, 0, geometry.width(), geometry.height())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            return image;
        image.setDevicePixelRatio(1.0);
        if (Display* display = X11Display()) {
            int eventBase = 0, errorBase = 0;
            if (XFixesQueryExtension(display, &eventBase, &errorBase)) {
                if (XFixesCursorImage* c = XFixesGetCursorImage(display)) {
                    // The pixels are 32-bit premultiplied ARGB values stored in longs.
                    QImage cursor(c->width, c->height, QImage::Format_ARGB32_Premultiplied);
                    for (int y = 0; y < c->height; ++y) {
                        QRgb* row = reinterpret_cast<QRgb*>(cursor.scanLine(y));
                        for (int x = 0; x < c->width; ++x)
                            row[x] = QRgb(c->pixels[y * c->width + x] & 0xFFFFFFFFu);
                    }
                    const QPoint origin = geometry.topLeft() * screen->devicePixelRatio();
                    DrawCursorAt(image, cursor, QPoint(c->x, c->y) - origin, QPoint(c->xhot, c->yhot));
                    XFree(c);
                }
            }
        }
        return image;
    }
};

} // namespace

std::unique_ptr<ScreenGrabber> MakeScreenGrabber() {
    return std::make_unique<DesktopScreenGrabber>();
}

} // namespace vx7::platform
