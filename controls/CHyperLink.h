#pragma once

#include "ColourRef.h"
#include "LinkOpener.h"

#include <QLabel>

namespace vx7::platform {
class Prompt;
}

namespace vx7::controls {

// A static text turned into a link: underlined in link colours, a hand pointer, the
// target as tooltip, and a click (or the space bar) opens the target.
class CHyperLink : public QLabel {
    Q_OBJECT
  public:
    enum Style : unsigned char {
        kUnderline = 0x01,
        kUseHover = 0x02,
        kFitToText = 0x04,
        kOpenOnPress = 0x08,
        kFocusOnPress = 0x10,
        kNoHandCursor = 0x20,
        kNoFocusColour = 0x40,
    };
    static constexpr unsigned char kDefaultStyle = 0x15;

    static constexpr ColourRef kLinkColour = 0x00FF0000;    // RGB(0, 0, 255)
    static constexpr ColourRef kVisitedColour = 0x00800080; // RGB(128, 0, 128)
    static constexpr ColourRef kFocusColour = 0x00808000;   // RGB(0, 128, 128)
    static constexpr ColourRef kHoverColour = 0x000000FF;   // RGB(255, 0, 0)

    // text and target stand in for each other when one of them is empty.
    CHyperLink(const QString& text, const QString& target, platform::Prompt& prompt,
               QWidget* parent = nullptr, unsigned char style = kDefaultStyle);

    void SetTarget(const QString& target);
    QString Target() const { return target_; }
    unsigned char LinkStyle() const { return style_; }
    void SetOpener(LinkOpener opener) { opener_ = std::move(opener); }

    bool IsOver() const { return over_; }
    bool IsPressedOrFocused() const { return pressed_; }
    bool IsVisited() const { return visited_; }

    // The colour the text is drawn in now.
    ColourRef CurrentColour() const;

    // Opens target: the shell's opener first, then the web-page program. On failure
    // a beep and "Can't open link:\n\n" with the error's text. True on success.
    static bool OpenTarget(const QString& target, platform::Prompt& prompt,
                           const LinkOpener& opener = LinkOpener::Desktop());
    static QString FailureText(int code) {
        return QStringLiteral("Can't open link:\n\n") + LinkErrorText(code);
    }
    // What the user is told when no program (no browser) is set up to open target: in
    // the program's language, with the address to copy.
    static QString NoProgramText(const QString& target) {
        return QStringLiteral(
                   "本机没有设置可以打开此链接的浏览器程序。\n\n请复制下面的地址, 在浏览器中打开:\n%1")
            .arg(target);
    }

    // The rectangle fitted to a text size: shrunk equally on both sides when centred,
    // kept at its right edge when right-aligned, otherwise kept at its left (and top) edge.
    static QRect FitRect(const QRect& rect, const QSize& text, Qt::Alignment alignment);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Open();
    void FitToText();

    platform::Prompt& prompt_;
    QString target_;
    unsigned char style_;
    bool over_ = false;
    bool pressed_ = false;
    bool visited_ = false;
    LinkOpener opener_ = LinkOpener::Desktop();
};

} // namespace vx7::controls
