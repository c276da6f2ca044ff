#pragma once

#include "imaging/raster/Colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace vx7::imaging {

// The memory surface of a drawing area: a 32-bit picture that is exactly what
// the area shows. Tools write pixels into it and read them back from it, and
// the widget copies it to the screen; nothing goes to the window one pixel at
// a time.
//
// Every access is clipped: reads outside the surface give white (the low three
// bytes of an invalid colour, as a device context reports outside its clip),
// writes outside it are dropped.
class CanvasSurface {
  public:
    CanvasSurface() = default;
    CanvasSurface(int width, int height, Colour fill = Colour(0));
    // Uses image (converted to 32-bit RGB) as the surface.
    explicit CanvasSurface(const QImage& image);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // The drawable area: the whole surface, top-left at (0, 0).
    QRect ClipBox() const { return image_.rect(); }
    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < image_.width() && y < image_.height();
    }

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // The colour value read outside the surface.
    static constexpr Colour kOutside = Colour(0x00FFFFFFu);

    Colour PixelAt(int x, int y) const;
    void SetPixel(int x, int y, Colour c);
    void Fill(Colour c);
    // Fills the half-open rectangle [left, right) x [top, bottom).
    void FillRect(int left, int top, int right, int bottom, Colour c);
    // Reads the half-open rectangle into dst (row stride dstStride), outside pixels as kOutside.
    void ReadRect(int left, int top, int width, int height, Colour* dst, int dstStride) const;

    // Raster operations that erase themselves when drawn twice, for rubber bands.
    void XorPixel(int x, int y, Colour c);
    // A line from a up to but excluding b, each pixel once.
    void XorLine(QPoint a, QPoint b, Colour c);
    // Joined lines through the points; each joint pixel is changed once.
    void XorPolyline(const QPoint* points, int count, Colour c);
    // The outline of the box [left, right) x [top, bottom).
    void XorRectangle(int left, int top, int right, int bottom, Colour c);
    // The outline of the ellipse inscribed in the box [left, right) x [top, bottom).
    void XorEllipse(int left, int top, int right, int bottom, Colour c);

    // A 3-D frame over [left, right) x [top, bottom): top and left edges in
    // topLeft, bottom and right edges in bottomRight.
    void Draw3dFrame(int left, int top, int right, int bottom, Colour topLeft, Colour bottomRight);

    // Pixels of a line from a up to but excluding b (Bresenham, the way a pen moves).
    static std::vector<QPoint> LinePixels(QPoint a, QPoint b);
    // Pixels of the outline of the ellipse inscribed in [left, right) x [top, bottom), each once.
    static std::vector<QPoint> EllipsePixels(int left, int top, int right, int bottom);

  private:
    QImage image_;
};

} // namespace vx7::imaging
