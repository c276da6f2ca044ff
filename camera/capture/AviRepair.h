#pragma once

#include <QString>

namespace vx7::camera {

// Makes an AVI file whose writing stopped midway (a full disk, a crash) playable in
// place: the sizes of the RIFF and "movi" lists and the frame counts of the main and
// video stream headers are set to the complete chunks actually in the file, and a
// chunk cut off at the end is dropped. The file only shrinks, so this works on a full
// volume. A complete file is left untouched. Returns the number of video frames kept,
// or -1 with the reason when the file is not an AVI this can mend.
int CloseUnfinishedAvi(const QString& path, QString* error = nullptr);

} // namespace vx7::camera
