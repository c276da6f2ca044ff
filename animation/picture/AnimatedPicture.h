#pragma once

#include "AnimatedPictureModel.h"

#include <QWidget>

namespace vx7::animation {

// A picture control that shows a picture file and plays animated GIFs in a loop on a
// drawing thread of its own. Loading resizes the control to the picture's logical
// screen (its position stays). Painting copies the off-screen image; the drawing thread
// only asks for repaints, which arrive here as queued events.
class AnimatedPicture : public QWidget {
    Q_OBJECT
  public:
    enum { IDC = 1053 };

    explicit AnimatedPicture(QWidget* parent = nullptr);
    ~AnimatedPicture() override;

    bool LoadFile(const QString& path);
    bool Load(const QByteArray& data);
    bool Draw();
    void Stop();

    // The largest size the control takes: a larger picture is shown scaled down to fit,
    // its aspect ratio kept. Empty (the default): always the picture's own size.
    void SetMaximumDisplaySize(const QSize& size) { maxDisplay_ = size; }

    AnimatedPictureModel& Model() { return model_; }
    const AnimatedPictureModel& Model() const { return model_; }

    // The colour the off-screen image is filled with: the system button face.
    QColor ButtonFace() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Prepare(bool loaded);

    AnimatedPictureModel model_;
    QSize maxDisplay_;
};

} // namespace vx7::animation
