#include "ButtonArt.h"

#include "Glyphs.h"
#include "Style.h"

#include "resources/SystemPictures.h"

#include <QPainter>

namespace vx7::assetgen {

namespace {

using namespace style;

template <size_t N> QSize SizeOf(const std::array<resources::SystemPicture, N>& table, const QString& name) {
    for (const auto& entry : table)
        if (name == QLatin1String(entry.name))
            return QSize(entry.width, entry.height);
    return QSize();
}

struct StationLook {
    const char* name;
    Glyph glyph;
    const char* caption; // empty for the square pictogram buttons
};

constexpr StationLook kStationLooks[] = {
    {"butVideo", Glyph::Film, "动画视频"},
    {"butPickd", Glyph::PhotoEdit, "图片编辑"},
    {"Video_butSetfmt", Glyph::Sliders, "视频格式"},
    {"Video_butSetSour", Glyph::Contrast, "视频源设置"},
    {"Video_butSetComp", Glyph::Compress, "视频压缩"},
    {"Video_butReco", Glyph::Play, ""},
    {"Video_butRecoStop", Glyph::Stop, ""},
    {"Video_butbkMusic", Glyph::Music, ""},
    {"Video_butGoWeb", Glyph::Globe, "访问网站"},
};

} // namespace

// The plain picture is a quiet blue face that sits calmly on the dark window; the lit picture
// is the warm accent face, so the buttons the user has found stand out.
QImage MakeStationButton(const QString& name, bool lit) {
    const QSize size = SizeOf(resources::kStationButtons, name);
    const StationLook* look = nullptr;
    for (const auto& l : kStationLooks)
        if (name == QLatin1String(l.name))
            look = &l;
    if (!size.isValid() || look == nullptr)
        return QImage();
    QImage image = NewImage(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(7.0, size.height() / 3.5);
    const QString caption = QString::fromUtf8(look->caption);
    QColor text;
    QColor accent;
    if (lit) {
        PaintFace(p, face, QColor(0xFF, 0xB6, 0x62), QColor(0xEE, 0x78, 0x1E), radius,
                  QColor(0xFF, 0xD9, 0xA8), 0.3);
        text = QColor(255, 255, 255);
        accent = kNavy;
    } else {
        PaintFace(p, face, QColor(0x2E, 0x66, 0x8F), QColor(0x1E, 0x4A, 0x6B), radius,
                  QColor(0x4B, 0x86, 0xB0), 0.12);
        text = QColor(0xDC, 0xEB, 0xF7);
        accent = kApricot;
    }
    const qreal glyphSize =
        caption.isEmpty() ? std::min(size.width(), size.height()) - 8 : size.height() - 10;
    PaintGlyphAndCaption(p, face.adjusted(3, 0, -3, 0), look->glyph, glyphSize, caption, UiFont(13, true),
                         text, accent);
    return image;
}

namespace {

struct EditorLook {
    const char* name;
    Glyph glyph;
    QColor top;
    QColor bottom;
};

const QColor kPhotoTop(0x4D, 0xA8, 0xE6), kPhotoBottom(0x1F, 0x6F, 0xA8);
const QColor kBeautyTop(0xEE, 0x7F, 0x9E), kBeautyBottom(0xC9, 0x45, 0x6C);
const QColor kOutTop(0xFF, 0xA8, 0x55), kOutBottom(0xE6, 0x6E, 0x1A);
const QColor kDrawTop(0x39, 0xC1, 0xB3), kDrawBottom(0x15, 0x8A, 0x80);
const QColor kOffTop(0x8A, 0x9C, 0xAD), kOffBottom(0x5A, 0x6D, 0x80);
const QColor kOnTop(0x52, 0xC9, 0x84), kOnBottom(0x25, 0x94, 0x56);
const QColor kDeleteTop(0xEE, 0x73, 0x6E), kDeleteBottom(0xC4, 0x3A, 0x36);

const EditorLook kEditorLooks[] = {
    {"imgEdit_ImageBkgPic", Glyph::PictureStack, kPhotoTop, kPhotoBottom},
    {"imgEdit_ImageHeadpho", Glyph::Headshot, kPhotoTop, kPhotoBottom},
    {"imgEdit_ImageClearBkg", Glyph::Eraser, kPhotoTop, kPhotoBottom},
    {"imgEdit_ImageFaceColor", Glyph::Face, kBeautyTop, kBeautyBottom},
    {"imgEdit_ImageClothHair", Glyph::Shirt, kOffTop, kOffBottom},
    {"imgEdit_ImageCloHairYes", Glyph::ShirtCheck, kOnTop, kOnBottom},
    {"imgEdit_ImageToQQtao", Glyph::ChatShare, kOutTop, kOutBottom},
    {"imgEdit_ImagePhotosave", Glyph::Camera, kOutTop, kOutBottom},
    {"imgEdit_DrawColor", Glyph::Palette, kDrawTop, kDrawBottom},
    {"imgEdit_DrawLine", Glyph::Freehand, kDrawTop, kDrawBottom},
    {"imgEdit_DrawCircle", Glyph::Circle, kDrawTop, kDrawBottom},
    {"imgEdit_DrawPolyLine", Glyph::Polyline, kDrawTop, kDrawBottom},
    {"imgEdit_DrawRect", Glyph::Rectangle, kDrawTop, kDrawBottom},
    {"imgEdit_DrawPolyArea", Glyph::PolygonArea, kDrawTop, kDrawBottom},
    {"imgEdit_DrawText", Glyph::Letter, kDrawTop, kDrawBottom},
    {"imgEdit_DrawArrow", Glyph::ArrowLine, kDrawTop, kDrawBottom},
    {"imgEdit_DrawDelete", Glyph::Trash, kDeleteTop, kDeleteBottom},
    {"imgEdit_SaveExit", Glyph::Floppy, kOnTop, kOnBottom},
};

} // namespace

// Editor buttons are square tiles coloured by what they work on: blue the photo and background,
// rose the make-up, orange what leaves the editor, teal the drawing tools, red deleting, green
// saving and the switched-on state of the auto-add switch (grey when off).
QImage MakeEditorButton(const QString& name) {
    const QSize size = SizeOf(resources::kEditorButtons, name);
    const EditorLook* look = nullptr;
    for (const auto& l : kEditorLooks)
        if (name == QLatin1String(l.name))
            look = &l;
    if (!size.isValid() || look == nullptr)
        return QImage();
    QImage image = NewImage(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    PaintFace(p, tile.translated(0, 0.8), QColor(0, 0, 0, 45), QColor(0, 0, 0, 45), 8, QColor(), 0.0);
    PaintFace(p, tile.adjusted(0, 0, 0, -0.8), look->top, look->bottom, 8, Mix(look->bottom, -0.2), 0.25);
    const GlyphInk ink{QColor(255, 255, 255), kGold, 2.0};
    if (name == QLatin1String("imgEdit_SaveExit")) {
        PaintGlyphAndCaption(p, tile, look->glyph, 18, QStringLiteral("保存退出"), UiFont(13, true),
                             QColor(255, 255, 255), kGold);
    } else if (name == QLatin1String("imgEdit_ImageToQQtao")) {
        // The window frames a 16 x 16 hot corner at the upper left of this button: keep the
        // pictogram clear of it.
        PaintGlyph(p, look->glyph, QRectF(15, 14, 22, 22), ink);
    } else {
        PaintGlyph(p, look->glyph, QRectF(8, 7.5, 24, 24), ink);
    }
    return image;
}

} // namespace vx7::assetgen
