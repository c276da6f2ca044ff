#pragma once

#include "materials/MakeupBox.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>

namespace vx7::imaging {
class RasterDocument;
}
namespace vx7::controls {
class GradientButton;
}

namespace vx7::materials {

// The make-up box: a small modal dialog without a title that shows the make-up
// palettes as 22 x 22 swatches. Choosing a swatch enables OK; OK takes the make-up
// brush's sample from the swatch as the dialog shows it, then closes.
class MakeupBoxDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDialogId = 167;
    enum ControlId { kOk = 1, kCancel = 2, kPictureArea = 1070 };
    static constexpr int kOkIcon = 168;
    static constexpr int kCancelIcon = 169;
    static constexpr int kSwatchCursor = 137;

    // listPalettes gives the palette files in listing order (read anew on every paint);
    // the sample is taken into document.
    MakeupBoxDialog(std::function<QStringList()> listPalettes, imaging::RasterDocument& document,
                    QWidget* parent = nullptr);

    // Puts the dialog's top-left corner at a global point (the opening button's bottom-left).
    void PlaceAt(const QPoint& globalTopLeft);

    // The rectangle of the picture area in client coordinates.
    static QRect PictureArea();
    // Paints the client area as the dialog shows it and lays the swatches out anew.
    QImage PaintSurface();

    const MakeupBox& Box() const { return box_; }
    bool SampleTaken() const { return sampleTaken_; }
    controls::GradientButton* OkButton() const { return ok_; }
    controls::GradientButton* CancelButton() const { return cancel_; }

  public slots:
    // OK: takes the sample when a swatch was chosen, then closes with OK.
    void TakeSampleAndClose();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::function<QStringList()> listPalettes_;
    imaging::RasterDocument& document_;
    MakeupBox box_;
    controls::GradientButton* ok_ = nullptr;
    controls::GradientButton* cancel_ = nullptr;
    bool sampleTaken_ = false;
};

} // namespace vx7::materials
