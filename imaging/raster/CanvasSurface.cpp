#include "imaging/raster/CanvasSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

namespace vx7::imaging {

CanvasSurface::CanvasSurface(int width, int height, Colour fill)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
    image_.fill(fill.ToQRgb());
}

CanvasSurface::CanvasSurface(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

Colour CanvasSurface::PixelAt(int x, int y) const {
    if (!Contains(x, y))
        return kOutside;
    return Colour::FromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void CanvasSurface::SetPixel(int x, int y, Colour c) {
    if (!Contains(x, y))
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = c.ToQRgb();
}

void CanvasSurface::Fill(Colour c) {
    image_.fill(c.ToQRgb());
}

void CanvasSurface::FillRect(int left, int top, int right, int bottom, Colour c) {
    const int l = std::max(left, 0), t = std::max(top, 0);
    const int r = std::min(right, Width()), b = std::min(bottom, Height());
    if (l >= r || t >= b)
        return;
    const QRgb q = c.ToQRgb();
    for (int y = t; y < b; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + l, row + r, q);
    }
}

void CanvasSurface::ReadRect(int left, int top, int width, int height, Colour* dst, int dstStride) const {
    for (int row = 0; row < height; ++row) {
        Colour* out = dst + static_cast<std::ptrdiff_t>(row) * dstStride;
        const int y = top + row;
        if (y < 0 || y >= Height()) {
            std::fill(out, out + width, kOutside);
            continue;
        }
        const QRgb* in = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int col = 0; col < width; ++col) {
            const int x = left + col;
            out[col] = (x >= 0 && x < Width()) ? Colour::FromQRgb(in[x]) : kOutside;
        }
    }
}

void CanvasSurface::XorPixel(int x, int y, Colour c) {
    if (!Contains(x, y))
        return;
    QRgb& p = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
    p = 0xFF000000u | ((p ^ c.ToQRgb()) & 0x00FFFFFFu);
}

std::vector<QPoint> CanvasSurface::LinePixels(QPoint a, QPoint b) {
    std::vector<QPoint> out;
    long long x = a.x(), y = a.y();
    const long long x1 = b.x(), y1 = b.y();
    const long long dx = std::llabs(x1 - x), dy = -std::llabs(y1 - y);
    const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    // Mouse coordinates are 16-bit; longer lines are cut to keep the work bounded.
    if (dx > 70000 || -dy > 70000)
        return out;
    long long err = dx + dy;
    while (x != x1 || y != y1) {
        out.emplace_back(static_cast<int>(x), static_cast<int>(y));
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return out;
}

void CanvasSurface::XorLine(QPoint a, QPoint b, Colour c) {
    for (const QPoint& p : LinePixels(a, b))
        XorPixel(p.x(), p.y(), c);
}

void CanvasSurface::XorPolyline(const QPoint* points, int count, Colour c) {
    for (int i = 0; i + 1 < count; ++i)
        XorLine(points[i], points[i + 1], c);
}

void CanvasSurface::XorRectangle(int left, int top, int right, int bottom, Colour c) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const QPoint corners[] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
    if (right - left <= 1 || bottom - top <= 1) {
        // A box one pixel thin collapses onto a line: draw each pixel once.
        std::set<std::pair<int, int>> seen;
        for (int y = top; y < std::max(bottom, top + 1); ++y)
            for (int x = left; x < std::max(right, left + 1); ++x)
                if (seen.insert({x, y}).second)
                    XorPixel(x, y, c);
        return;
    }
    XorPolyline(corners, 5, c);
}

std::vector<QPoint> CanvasSurface::EllipsePixels(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    std::vector<QPoint> out;
    // The outline stays inside the box: right and bottom are exclusive.
    const double w = static_cast<double>(right) - left - 1.0, h = static_cast<double>(bottom) - top - 1.0;
    if (w < 0 || h < 0 || w > 70000 || h > 70000)
        return out;
    const double cx = left + w / 2.0, cy = top + h / 2.0, a = w / 2.0, b = h / 2.0;
    std::set<std::pair<int, int>> seen;
    auto put = [&](int x, int y) {
        if (seen.insert({x, y}).second)
            out.emplace_back(x, y);
    };
    // Sample along both axes so steep and flat parts stay connected.
    for (int x = left; x <= left + static_cast<int>(w); ++x) {
        const double u = a > 0 ? (x - cx) / a : 0.0;
        const double v = b * std::sqrt(std::max(0.0, 1.0 - u * u));
        put(x, static_cast<int>(std::lround(cy - v)));
        put(x, static_cast<int>(std::lround(cy + v)));
    }
    for (int y = top; y <= top + static_cast<int>(h); ++y) {
        const double v = b > 0 ? (y - cy) / b : 0.0;
        const double u = a * std::sqrt(std::max(0.0, 1.0 - v * v));
        put(static_cast<int>(std::lround(cx - u)), y);
        put(static_cast<int>(std::lround(cx + u)), y);
    }
    return out;
}

void CanvasSurface::XorEllipse(int left, int top, int right, int bottom, Colour c) {
    for (const QPoint& p : EllipsePixels(left, top, right, bottom))
        XorPixel(p.x(), p.y(), c);
}

void CanvasSurface::Draw3dFrame(int left, int top, int right, int bottom, Colour topLeft,
                                Colour bottomRight) {
    const int cx = right - left, cy = bottom - top;
    FillRect(left, top, left + cx - 1, top + 1, topLeft);
    FillRect(left, top, left + 1, top + cy - 1, topLeft);
    FillRect(left + cx - 1, top, left + cx, top + cy, bottomRight);
    FillRect(left, top + cy - 1, left + cx, top + cy, bottomRight);
}

} // namespace vx7::imaging
