#pragma once

#include <QString>

namespace vx7::camera {

// The folder of a path: the first 256 characters, cut at the last '/' (excluded).
// Empty when the path has no separator.
QString DirectoryPart(const QString& path);

// The file title: the characters after the last '/' up to the first following '.'.
// Empty when the path has no separator or ends with one.
QString FileTitlePart(const QString& path);

// Joins a folder and a name with one '/'.
QString JoinPath(const QString& folder, const QString& name);

} // namespace vx7::camera
