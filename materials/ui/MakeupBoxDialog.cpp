#include "MakeupBoxDialog.h"

#include "controls/GradientButton.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "resources/ResourceCatalog.h"
#include "resources/ResourceLoader.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace vx7::materials {
namespace {

// Client layout in pixels: the picture area holds 6 columns by 6 rows of swatches,
// with the two buttons below it.
constexpr int kClientWidth = 186;
constexpr int kClientHeight = 214;
const QRect kArea(8, 8, 170, 162);
const QRect kOkRect(12, 180, 76, 26);
const QRect kCancelRect(98, 180, 76, 26);

imaging::Colour Ref(unsigned value) {
    return imaging::Colour(value);
}

} // namespace

MakeupBoxDialog::MakeupBoxDialog(std::function<QStringList()> listPalettes, imaging::RasterDocument& document,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), listPalettes_(std::move(listPalettes)),
      document_(document) {
    setFixedSize(kClientWidth, kClientHeight);
    setMouseTracking(true);
    ok_ = new controls::GradientButton(QStringLiteral("确定"), this);
    ok_->setObjectName(QStringLiteral("1"));
    ok_->setGeometry(kOkRect);
    ok_->SetButtonIcon(QPixmap(resources::IconPath(kOkIcon)));
    ok_->setEnabled(false);
    cancel_ = new controls::GradientButton(QStringLiteral("取消"), this);
    cancel_->setObjectName(QStringLiteral("2"));
    cancel_->setGeometry(kCancelRect);
    cancel_->SetButtonIcon(QPixmap(resources::IconPath(kCancelIcon)));
    connect(ok_, &QPushButton::clicked, this, &MakeupBoxDialog::TakeSampleAndClose);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void MakeupBoxDialog::PlaceAt(const QPoint& globalTopLeft) {
    move(globalTopLeft);
}

QRect MakeupBoxDialog::PictureArea() {
    return kArea;
}

QImage MakeupBoxDialog::PaintSurface() {
    imaging::CanvasSurface surface(kClientWidth, kClientHeight, Ref(MakeupBox::kBackground));
    box_.Layout(kArea, listPalettes_ ? listPalettes_() : QStringList());
    QImage& image = surface.Image();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (size_t i = 0; i < box_.Swatches().size(); ++i) {
            const QRect r = box_.Swatches()[i];
            QImageReader reader(box_.Palettes()[qsizetype(i)]);
            const QImage palette = reader.read();
            if (palette.isNull())
                continue; // nothing drawn, but the square still answers clicks
            p.drawImage(r, palette.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    for (size_t i = 0; i < box_.Swatches().size(); ++i) {
        const QRect r = box_.Swatches()[i];
        if (QImageReader(box_.Palettes()[qsizetype(i)]).canRead())
            surface.Draw3dFrame(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                                Ref(MakeupBox::kFrameTopLeft), Ref(MakeupBox::kFrameBottomRight));
    }
    return image;
}

void MakeupBoxDialog::paintEvent(QPaintEvent*) {
    const QImage surface = PaintSurface();
    QPainter p(this);
    p.drawImage(0, 0, surface);
    // A raised edge stands in for the missing window frame.
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(96, 96, 96));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void MakeupBoxDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && box_.Click(event->position().toPoint())) {
        setCursor(resources::LoadCursor(kSwatchCursor, Qt::PointingHandCursor));
        ok_->setEnabled(true);
    }
    QDialog::mousePressEvent(event);
}

void MakeupBoxDialog::mouseMoveEvent(QMouseEvent* event) {
    if (box_.IsOver(event->position().toPoint()))
        setCursor(resources::LoadCursor(kSwatchCursor, Qt::PointingHandCursor));
    else
        unsetCursor();
    QDialog::mouseMoveEvent(event);
}

void MakeupBoxDialog::TakeSampleAndClose() {
    if (const auto point = box_.AcceptSamplePoint()) {
        // The sample comes from the box exactly as it is shown: the swatch and the
        // pixels just around it.
        const imaging::CanvasSurface surface(PaintSurface());
        document_.TakeSamplePatch(surface, *point);
        document_.SetSampleTaken(true);
        sampleTaken_ = true;
    }
    accept();
}

} // namespace vx7::materials
