#include "InstallerArt.h"

#include "Glyphs.h"
#include "Style.h"

#include "resources/InstallerPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vx7::assetgen {

namespace {

using namespace style;
using resources::InstallerRegion;

struct RegionLook {
    Glyph glyph;
    const char* caption;
};

RegionLook LookOf(int region) {
    switch (region) {
    case 1:
        return {Glyph::Install, "安装软件"};
    case 2:
        return {Glyph::Uninstall, "卸载软件"};
    case 3:
        return {Glyph::Globe, "访问主页"};
    case 4:
        return {Glyph::Help, "在线说明"};
    default:
        return {Glyph::Exit, "退  出"};
    }
}

void SoftCircle(QPainter& p, QPointF c, qreal r, QColor colour, qreal alpha) {
    QRadialGradient g(c, r);
    colour.setAlphaF(alpha);
    g.setColorAt(0.0, colour);
    colour.setAlphaF(0.0);
    g.setColorAt(1.0, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A button fills its region less a 4-pixel margin, so the region's edge pixels show the
// background in both the plain and the lit picture.
void PaintRegionButton(QPainter& p, const InstallerRegion& region, bool lit) {
    const QRectF r(region.xFrom + 4, region.yFrom + 4, region.xTo - region.xFrom - 7,
                   region.yTo - region.yFrom - 7);
    const RegionLook look = LookOf(region.number);
    const bool quit = region.action == resources::InstallerRegionAction::Quit;
    if (lit) {
        PaintFace(p, r, kApricot, kOrange, 10, QColor(255, 236, 200), 0.3);
    } else {
        QColor top(255, 255, 255, quit ? 30 : 46);
        QColor bottom(255, 255, 255, quit ? 14 : 22);
        PaintFace(p, r, top, bottom, 10, QColor(255, 255, 255, 120), 0.0);
    }
    const int fontSize = quit ? 17 : 19;
    PaintGlyphAndCaption(p, r, look.glyph, quit ? 22 : 26, QString::fromUtf8(look.caption),
                         UiFont(fontSize, true), QColor(255, 255, 255), lit ? kNavy : kApricot);
}

} // namespace

QImage MakeInstallerPicture(bool lit) {
    const int w = resources::kStartPictureWidth;
    const int h = resources::kStartPictureHeight;
    QImage image = NewImage(w, h, kNavy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient base(0, 0, w, h);
    base.setColorAt(0.0, QColor(0x22, 0x6C, 0xA3));
    base.setColorAt(0.55, QColor(0x13, 0x3F, 0x60));
    base.setColorAt(1.0, kNight);
    p.fillRect(image.rect(), base);
    SoftCircle(p, QPointF(w * 0.08, h * 0.05), 260, kSky, 0.35);
    SoftCircle(p, QPointF(w * 0.98, h * 0.98), 220, kTeal, 0.22);
    SoftCircle(p, QPointF(w * 0.92, h * 0.12), 120, kOrange, 0.12);
    // Faint diagonal lines give the background texture; they also make any misplaced highlight
    // picture visible at once.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1.0));
    for (int x = -h; x < w; x += 18)
        p.drawLine(QPointF(x, h), QPointF(x + h, 0));

    // Title block.
    const QRectF mark(53, 30, 64, 64);
    PaintFace(p, mark, kSky, kBlue, 16, QColor(255, 255, 255, 110), 0.25);
    PaintGlyph(p, Glyph::Camera, mark.adjusted(10, 10, -10, -10),
               GlyphInk{QColor(255, 255, 255), kApricot, 2.1});
    p.setFont(UiFont(25, true));
    PaintShadowedText(p, QRectF(130, 30, w - 140, 36), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Vantor摄像头拍照(动画)Snapo"), QColor(255, 255, 255),
                      QColor(0, 0, 0, 80));
    p.setFont(UiFont(14));
    p.setPen(kIce);
    p.drawText(QRectF(131, 68, w - 140, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("软件安装向导  ·  版本 V1.3"));
    p.fillRect(QRectF(53, 110, w - 106, 1), QColor(255, 255, 255, 60));

    for (const InstallerRegion& region : resources::kInstallerRegions)
        PaintRegionButton(p, region, lit);

    // Feature line and hint under the buttons.
    p.setFont(UiFont(13));
    p.setPen(QColor(0xBF, 0xDB, 0xF0));
    p.drawText(QRectF(55, 292, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("拍照 · 连拍 · GIF动画 · 图片编辑 · 试衣平台"));
    p.setPen(QColor(0x9F, 0xC1, 0xDA));
    p.drawText(QRectF(55, 318, 290, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("提示：在画面上单击鼠标右键可直接退出"));
    p.setFont(UiFont(11));
    p.setPen(QColor(0x7F, 0xA5, 0xC2));
    p.drawText(QRectF(0, h - 28, w, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Vantor  ·  摄像头拍照(动画)Snapo 2011"));
    return image;
}

QImage MakeInstallerHighlight(int region) {
    for (const InstallerRegion& r : resources::kInstallerRegions) {
        if (r.number == region)
            return MakeInstallerPicture(true).copy(r.HighlightX(), r.HighlightY(), r.HighlightWidth(),
                                                   r.HighlightHeight());
    }
    return QImage();
}

} // namespace vx7::assetgen
