#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace vx7::camera {

// The station's record control: a square drawn button in the empty place beside
// "Video_butReco", in the same look as the drawn buttons (blue face, lit while the
// pointer is over it). It shows a red dot to start and a stop mark while recording.
struct ClipButton {
    QRect rect;
    bool lit = false;
    bool recording = false;
    bool enabled = true;

    // Tooltip-style caption for the current state.
    QString Caption() const;
    void Paint(QPainter& painter) const;
};

} // namespace vx7::camera
