#pragma once

#include "ColourRef.h"

#include <QPixmap>
#include <QWidget>

namespace vx7::controls {

// A static text the program colours itself: optionally filled, with a 3-D frame and a
// small icon (the drop arrow) depending on its style.
class CaptionLabel : public QWidget {
    Q_OBJECT
  public:
    static constexpr char kStyleLeftFramed = 'L';
    static constexpr char kStyleCentredFramed = 'c';
    static constexpr char kStylePlain = 'C';
    static constexpr char kIconShown = 'A';
    static constexpr int kFillBackground = 9;

    explicit CaptionLabel(QWidget* parent = nullptr);
    CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // The caller repaints (as with every setter here). A caption wider than the label is
    // shown shortened in the middle, and whole in the tooltip.
    void SetCaption(const QString& text);
    QString Caption() const { return text_; }
    void SetLabelStyle(char style, char iconFlag) {
        style_ = style;
        iconFlag_ = iconFlag;
    }
    char Style() const { return style_; }
    char IconFlag() const { return iconFlag_; }
    void SetTextColour(ColourRef c) { text_colour_ = c; }
    ColourRef TextColour() const { return text_colour_; }
    void SetBackColour(ColourRef c) { back_ = c; }
    ColourRef BackColour() const { return back_; }
    void SetFill(int flag) { fill_ = flag; }
    int Fill() const { return fill_; }
    // Replaces the icon (icon 152 of the program by default).
    void SetIcon(const QPixmap& icon) { icon_ = icon; }

    // The text rectangle and alignment for the current style in rect.
    QRect TextRect(const QRect& rect) const;
    int TextAlignment() const;
    // Where the icon goes (style 'L' with the icon flag only); null otherwise.
    QRect IconRect(const QRect& rect) const;

    void Render(QPainter& painter, const QRect& rect);

    // The caption as drawn in rect: whole when it fits, else with its middle left out.
    QString ShownText(const QRect& rect) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateToolTip();

    QString text_;
    char style_ = kStylePlain;
    char iconFlag_ = ' ';
    ColourRef text_colour_ = 0;
    ColourRef back_ = 0;
    int fill_ = 0;
    QPixmap icon_;
};

} // namespace vx7::controls
