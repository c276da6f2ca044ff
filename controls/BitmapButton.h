#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace vx7::controls {

// A button shown as a pair of pictures: one when up, one while pressed. Without its
// pictures it draws a plain framed face with its caption, so it stays usable.
class BitmapButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit BitmapButton(const QString& caption, QWidget* parent = nullptr);

    // Loads the pair (for example ":/bitmap/131.png", ":/bitmap/132.png").
    void SetBitmaps(const QString& normal, const QString& pressed);
    bool HasBitmaps() const { return !normal_.isNull(); }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap normal_;
    QPixmap pressed_;
};

} // namespace vx7::controls
