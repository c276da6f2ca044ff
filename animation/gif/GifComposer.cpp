#include "GifComposer.h"

#include <QPainter>

namespace vx7::animation {

GifComposer::GifComposer(QSize screen, QColor background, std::vector<GifFrameRecord> frames)
    : canvas_(screen.isValid() ? screen : QSize(1, 1), QImage::Format_RGB32), background_(background),
      frames_(std::move(frames)) {
    Reset();
}

void GifComposer::SetBackground(QColor background) {
    background_ = background;
    Reset();
}

void GifComposer::Reset() {
    canvas_.fill(background_);
    saved_ = QImage();
    savedRect_ = QRect();
    current_ = 0;
}

QRect GifComposer::ShowCurrent() {
    if (frames_.empty())
        return QRect();
    const GifFrameRecord& frame = frames_[static_cast<size_t>(current_)];
    const QRect area = frame.Rect().intersected(canvas_.rect());
    if (area.isEmpty())
        return QRect();
    const QImage picture = frame.Picture();
    if (picture.isNull())
        return QRect();
    if (frame.disposal == 3) {
        saved_ = canvas_.copy(area);
        savedRect_ = area;
    }
    QPainter painter(&canvas_);
    if (picture.size() == frame.Rect().size())
        painter.drawImage(frame.left, frame.top, picture);
    else
        painter.drawImage(frame.Rect(), picture);
    return area;
}

int GifComposer::CurrentWaitMilliseconds() const {
    if (frames_.empty())
        return WaitMilliseconds(-1);
    return WaitMilliseconds(frames_[static_cast<size_t>(current_)].delay);
}

QRect GifComposer::DisposeAndAdvance() {
    if (frames_.empty())
        return QRect();
    const GifFrameRecord& frame = frames_[static_cast<size_t>(current_)];
    QRect changed;
    const QRect area = frame.Rect().intersected(canvas_.rect());
    if (frame.disposal == 2 && !area.isEmpty()) {
        QPainter painter(&canvas_);
        painter.fillRect(area, background_);
        changed = area;
    } else if (frame.disposal == 3 && !saved_.isNull()) {
        QPainter painter(&canvas_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(savedRect_.topLeft(), saved_);
        changed = savedRect_;
    }
    saved_ = QImage();
    savedRect_ = QRect();
    ++current_;
    if (current_ >= FrameCount()) {
        current_ = 0;
        canvas_.fill(background_);
        changed = canvas_.rect();
    }
    return changed;
}

QImage GifComposer::RenderFrame(int index) {
    if (index < 0 || index >= FrameCount())
        return QImage();
    Reset();
    for (int i = 0; i < index; ++i) {
        ShowCurrent();
        DisposeAndAdvance();
    }
    ShowCurrent();
    return canvas_;
}

int GifComposer::WaitMilliseconds(int delay) {
    return delay > 4 ? delay * 10 : 100;
}

} // namespace vx7::animation
