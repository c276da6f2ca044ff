#include "BitmapArt.h"

#include "Style.h"

#include "resources/ResourceCatalog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vx7::assetgen {

namespace {

using namespace style;

QSize CatalogueSize(int id) {
    for (const auto& b : resources::kBitmaps)
        if (b.id == id)
            return QSize(b.width, b.height);
    return QSize();
}

void SoftCircle(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal alpha) {
    QRadialGradient g(c, r);
    QColor inner = colour;
    inner.setAlphaF(alpha);
    QColor outer = colour;
    outer.setAlphaF(0.0);
    g.setColorAt(0.0, inner);
    g.setColorAt(1.0, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// The camera station's window background: a calm deep-blue field with soft light, so the
// live picture, the drawn buttons and the light caption texts stand out wherever they sit.
QImage StationBackground(QSize size) {
    QImage image = NewImage(size.width(), size.height(), kNavy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0.0, QColor(0x14, 0x3D, 0x5A));
    base.setColorAt(1.0, kNight);
    p.fillRect(image.rect(), base);
    SoftCircle(p, QPointF(size.width() * 0.12, size.height() * 0.05), size.width() * 0.45, kSky, 0.16);
    SoftCircle(p, QPointF(size.width() * 0.95, size.height() * 0.95), size.width() * 0.4, kTeal, 0.10);
    // A fine dot grid, barely visible, keeps large empty areas from looking flat.
    QColor dot(255, 255, 255, 10);
    for (int y = 12; y < size.height(); y += 24)
        for (int x = 12; x < size.width(); x += 24)
            p.fillRect(QRectF(x, y, 1.2, 1.2), dot);
    // Accent line along the top edge.
    QLinearGradient accent(0, 0, size.width(), 0);
    accent.setColorAt(0.0, kOrange);
    accent.setColorAt(0.5, kApricot);
    accent.setColorAt(1.0, QColor(kOrange.red(), kOrange.green(), kOrange.blue(), 0));
    p.fillRect(QRectF(0, 0, size.width(), 3), accent);
    return image;
}

// The image editor's background: light, with two faint bands behind the rows of picture buttons.
QImage EditorBackground(QSize size) {
    QImage image = NewImage(size.width(), size.height(), kCloud);
    QPainter p(&image);
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0.0, QColor(0xF2, 0xF6, 0xFA));
    base.setColorAt(1.0, QColor(0xE3, 0xEB, 0xF3));
    p.fillRect(image.rect(), base);
    const QColor band(0xD9, 0xE5, 0xF0);
    const QColor line(0xBF, 0xD0, 0xE0);
    p.fillRect(QRectF(0, 0, size.width(), 50), band);
    p.fillRect(QRectF(0, 50, size.width(), 1), line);
    const qreal bottom = size.height() - 68;
    p.fillRect(QRectF(0, bottom, size.width(), 68), band);
    p.fillRect(QRectF(0, bottom, size.width(), 1), line);
    QLinearGradient accent(0, 0, size.width(), 0);
    accent.setColorAt(0.0, kSky);
    accent.setColorAt(1.0, kTeal);
    p.fillRect(QRectF(0, 0, size.width(), 2), accent);
    return image;
}

// The splash picture. The bottom right corner (70 x 34) is kept for the elapsed-seconds label.
QImage Splash(QSize size) {
    const qreal w = size.width();
    const qreal h = size.height();
    QImage image = NewImage(size.width(), size.height(), kNavy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient base(0, 0, w, h);
    base.setColorAt(0.0, QColor(0x1C, 0x5E, 0x8E));
    base.setColorAt(1.0, kNight);
    p.fillRect(image.rect(), base);
    SoftCircle(p, QPointF(w * 0.2, h * 0.25), h * 0.9, kSky, 0.30);
    SoftCircle(p, QPointF(w * 0.95, h * 0.1), h * 0.5, kOrange, 0.14);

    // Program mark: the camera tile of the program icon.
    const QRectF tile(34, 58, 104, 104);
    PaintFace(p, tile, kSky, kBlue, 24, QColor(255, 255, 255, 90), 0.25);
    PaintGlyph(p, Glyph::Camera, tile.adjusted(16, 16, -16, -16),
               GlyphInk{QColor(255, 255, 255), kApricot, 2.0});

    p.setFont(UiFont(24, true));
    PaintShadowedText(p, QRectF(160, 58, w - 170, 40), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Vantor摄像头Snapo"), QColor(255, 255, 255), QColor(0, 0, 0, 70));
    p.setFont(UiFont(13, true));
    const QRectF tag(162, 104, 54, 22);
    PaintFace(p, tag, kApricot, kOrange, 11, QColor(), 0.0);
    p.setPen(QColor(255, 255, 255));
    p.drawText(tag, Qt::AlignCenter, QStringLiteral("V1.3"));
    p.setFont(UiFont(14));
    p.setPen(kIce);
    p.drawText(QRectF(162, 132, w - 170, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("拍照 · GIF动画 · 图片编辑 · 试衣平台"));

    p.fillRect(QRectF(34, h - 58, w - 68, 1), QColor(255, 255, 255, 50));
    p.setFont(UiFont(13));
    p.setPen(QColor(0xBF, 0xDB, 0xF0));
    p.drawText(QRectF(34, h - 34, w - 200, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("正在启动摄像头，请稍候……"));
    p.drawText(QRectF(w - 170, h - 34, 94, 22), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("已用秒数"));
    return image;
}

struct BitmapButton {
    int id;
    Glyph glyph;
    const char* caption;
    QColor top;
    QColor bottom;
    bool pressed;
};

// A bitmap button of the camera station: normal pictures are raised faces, pressed pictures
// darker, with the content one pixel lower and an inner shadow along the top edge.
QImage Button(QSize size, const BitmapButton& b) {
    QImage image = NewImage(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    const qreal radius = 7;
    if (!b.pressed) {
        PaintFace(p, face.translated(0, 1), QColor(0, 0, 0, 60), QColor(0, 0, 0, 60), radius, QColor(), 0.0);
        PaintFace(p, face.adjusted(0, 0, 0, -1), b.top, b.bottom, radius, Mix(b.bottom, -0.25), 0.25);
    } else {
        PaintFace(p, face, Mix(b.bottom, -0.18), Mix(b.top, -0.08), radius, Mix(b.bottom, -0.4), 0.0);
        QPainterPath clip;
        clip.addRoundedRect(face, radius, radius);
        p.setClipPath(clip);
        QLinearGradient shade(face.topLeft(), face.topLeft() + QPointF(0, 6));
        shade.setColorAt(0.0, QColor(0, 0, 0, 80));
        shade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(face, shade);
        p.setClipping(false);
    }
    const QRectF content = face.adjusted(4, b.pressed ? 1 : 0, -4, b.pressed ? 0 : -1);
    const int fontSize = size.height() >= 40 ? 18 : 13;
    const qreal glyphSize = size.height() >= 40 ? 26 : 17;
    PaintGlyphAndCaption(p, content, b.glyph, glyphSize, QString::fromUtf8(b.caption), UiFont(fontSize, true),
                         QColor(255, 255, 255), kGold);
    return image;
}

} // namespace

QImage MakeBitmap(int id) {
    const QSize size = CatalogueSize(id);
    if (!size.isValid())
        return QImage();
    const QColor shootTop(0xFF, 0x9A, 0x4A), shootBottom(0xE8, 0x60, 0x1C);
    const QColor folderTop(0x4D, 0xA8, 0xE6), folderBottom(0x1F, 0x6F, 0xA8);
    const QColor gifTop(0x34, 0xC2, 0xB3), gifBottom(0x17, 0x8C, 0x82);
    const QColor setTop(0x5C, 0x7C, 0x96), setBottom(0x37, 0x53, 0x6B);
    switch (id) {
    case 129:
        return StationBackground(size);
    case 131:
    case 132:
        return Button(size, {id, Glyph::Camera, "拍 照", shootTop, shootBottom, id == 132});
    case 133:
    case 134:
        return Button(size, {id, Glyph::MovieCamera, "视频", setTop, setBottom, id == 134});
    case 135:
    case 136:
        return Button(size, {id, Glyph::Film, "生成GIF", gifTop, gifBottom, id == 136});
    case 139:
    case 140:
        return Button(size, {id, Glyph::Folder, "照片目录", folderTop, folderBottom, id == 139});
    case 141:
        return Splash(size);
    case 177:
        return EditorBackground(size);
    case 191:
        return Button(size, {id, Glyph::Gear, "摄像头设置", setTop, setBottom, false});
    default:
        return QImage();
    }
}

} // namespace vx7::assetgen
