#pragma once

#include <QImage>
#include <QWidget>

namespace vx7::animation {

class VideoPlayer;

// The video display area: paints the player's latest picture over its whole rectangle
// (the window sizes the area to the video or to the dialog rectangle). Frame
// notifications from the streaming thread arrive here as queued repaints.
class VideoView : public QWidget {
    Q_OBJECT
  public:
    enum { IDC = 1042 };

    explicit VideoView(QWidget* parent = nullptr);
    ~VideoView() override;

    // Shows player's pictures; nullptr detaches. The player must be detached (or
    // closed) before it is destroyed.
    void Attach(VideoPlayer* player);
    QImage ShownFrame() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    VideoPlayer* player_ = nullptr;
    QImage shown_;
};

} // namespace vx7::animation
