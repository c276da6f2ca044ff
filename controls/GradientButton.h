#pragma once

#include "ColourRef.h"

#include <QPixmap>
#include <QPushButton>

namespace vx7::controls {

// A push button that paints itself: a vertical gradient face inside a rounded
// outline, a gradient ring while the pointer is over it, and a sunken frame while
// pressed. Commands still arrive through clicked().
class GradientButton : public QPushButton {
    Q_OBJECT
  public:
    // Layout 9: icon at the left with the text beside it. Any other value centres
    // the content and shows only the icon when there is one.
    static constexpr int kLayoutIconLeft = 9;

    static constexpr ColourRef kDefaultBorder = 0x00807C6E;
    static constexpr ColourRef kDefaultHover = 0x005078FF;
    static constexpr ColourRef kDefaultGradientLight = 0x00FFFFFF;
    static constexpr ColourRef kDefaultGradientTint = 0x00FFE6E6;
    static constexpr ColourRef kDefaultFrameLight = 0x00E6E6E6;
    static constexpr ColourRef kDefaultFrameDark = 0x00808080;
    static constexpr ColourRef kDisabledText = 0x00C0C0C0;

    explicit GradientButton(QWidget* parent = nullptr);
    GradientButton(const QString& text, QWidget* parent = nullptr);

    // A 16 x 16 icon; sets the has-icon flag.
    void SetButtonIcon(const QPixmap& icon);
    bool HasIcon() const { return hasIcon_; }

    void SetLayout(int layout) {
        layout_ = layout;
        update();
    }
    int Layout() const { return layout_; }

    void SetBorderColour(ColourRef c) {
        border_ = c;
        update();
    }
    void SetHoverColour(ColourRef c) {
        hover_ = c;
        update();
    }
    void SetGradientColours(ColourRef light, ColourRef tint) {
        light_ = light;
        tint_ = tint;
        update();
    }
    void SetFrameColours(ColourRef light, ColourRef dark) {
        frameLight_ = light;
        frameDark_ = dark;
        update();
    }
    void SetTextColours(ColourRef normal, ColourRef hover, ColourRef pressed);

    bool IsHovering() const { return hovering_; }

    // The two ends of the hover ring: the hover colour with 100 added to its green
    // and blue channels (no clamping, limited to 24 bits), and the hover colour.
    static ColourRef HoverRingStart(ColourRef hover);

    // Paints the button as it looks in the given state. Public so the look can be
    // checked without a screen.
    void Render(QPainter& painter, const QRect& rect, bool pressed, bool hovering, bool enabled);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void DrawContent(QPainter& painter, const QRect& rect, ColourRef textColour, bool enabled);

    ColourRef border_ = kDefaultBorder;
    ColourRef hover_ = kDefaultHover;
    ColourRef light_ = kDefaultGradientLight;
    ColourRef tint_ = kDefaultGradientTint;
    ColourRef frameLight_ = kDefaultFrameLight;
    ColourRef frameDark_ = kDefaultFrameDark;
    ColourRef textNormal_ = 0, textHover_ = 0, textPressed_ = 0;
    int layout_ = kLayoutIconLeft;
    bool hasIcon_ = false;
    QPixmap icon_;
    bool hovering_ = false;
};

} // namespace vx7::controls
