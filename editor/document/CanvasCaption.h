#pragma once

#include "imaging/raster/Colour.h"

#include <QDate>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace vx7::editor {

// The one line of text drawn over the canvas (by default today's date), with
// the rectangle it covered when last drawn so the mouse can pick it up.
class CanvasCaption {
  public:
    static constexpr imaging::Colour kDefaultColour = imaging::Colour(0x00DEDEFFu); // RGB(255, 222, 222)
    static QString DefaultSize() { return QStringLiteral("28"); }
    // Distance of the default position from the canvas's left and bottom edges.
    static constexpr int kMargin = 60;

    // "%4d年%2d月%2d日" of the date: the year padded to 4, month and day to 2 with spaces.
    static QString DateText(const QDate& date);

    // Text = remembered (when not empty) or the date text; size "28"; the
    // default colour; font = the application's font; position (60, canvasHeight - 60).
    CanvasCaption() = default;
    void Reset(const QString& rememberedText, const QDate& today, int canvasHeight);

    const QString& Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    const QString& Size() const { return size_; }
    void SetSize(const QString& size) { size_ = size; }
    // The font height in pixels: the decimal value of the size text (0 when it is not a number).
    int PixelHeight() const;
    imaging::Colour Colour() const { return colour_; }
    void SetColour(imaging::Colour c) { colour_ = c; }
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    int X() const { return x_; }
    int Y() const { return y_; }
    void SetPosition(int x, int y) {
        x_ = x;
        y_ = y;
    }
    // Puts the caption so that its last drawn rectangle is centred on the point.
    void CentreOn(int x, int y);

    // Draws the text with its top-left at origin + (x, y) on a transparent
    // background and remembers the covered rectangle. The painter's font and
    // pen are restored.
    void Draw(QPainter& painter, int originX, int originY);
    QRect DrawnRect() const { return drawn_; }
    bool Hit(int x, int y) const { return drawn_.contains(x, y); }

  private:
    QString text_;
    QString size_ = DefaultSize();
    imaging::Colour colour_ = kDefaultColour;
    QFont font_;
    int x_ = kMargin;
    int y_ = 0;
    QRect drawn_;
};

} // namespace vx7::editor
