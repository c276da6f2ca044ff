#pragma once

#include <QString>

#include <optional>

namespace vx7::camera {

struct PhotoNames {
    QString grabPath;  // where the grabbed frame is written as .bmp
    QString finalPath; // where the photo ends up in its format
    bool isBmp = false;
};

// A photo name is used as a file name as it stands; it must not lead out of the
// photo folder. Returns an error text for the user, or an empty string when the
// name is acceptable.
QString CheckPhotoName(const QString& name);

// stem itself when "<folder>/<stem>.<extension>" does not exist yet, otherwise the
// first free "<stem>(2)", "<stem>(3)", …: a new photo never replaces an older one.
QString FreeStem(const QString& folder, const QString& stem, const QString& extension);

// The grab and final paths of a shot. index is -1 for a single photo, 0, 1, 2 …
// for burst shots (appended to the name without separator). The extension of a
// converted photo is the format text itself ("JPG" gives "name.JPG"). When a photo
// of that name exists in the photo folder, the first free name of FreeStem is taken
// (the grab in the work folder follows it). Returns nullopt, with the reason in
// error, for a name that CheckPhotoName refuses.
std::optional<PhotoNames> MakePhotoNames(int index, const QString& name, const QString& format,
                                         const QString& photoFolder, const QString& workFolder,
                                         QString* error = nullptr);

} // namespace vx7::camera
