#pragma once

#include <QString>

// Path helpers shared by every part of the program. Paths use '/' only.
namespace vx7::core {

// The folder of a path: the first 256 characters, cut at the last '/' (excluded).
// Empty when the path has no separator.
QString DirectoryPart(const QString& path);

// The file title: the characters after the last '/' up to the first following '.'.
// Empty when the path has no separator or ends with one.
QString FileTitlePart(const QString& path);

// Joins a folder and a name with exactly one '/': none is added when the folder already
// ends with one (the root "/" gives "/name"), and an empty folder gives the name alone,
// so a missing folder never turns a name into a path at the file-system root.
QString JoinPath(const QString& folder, const QString& name);

// True when path names something at all: longer than two characters, so that neither
// an empty text, a bare "/" nor a drive-like "C:" counts as a stored path.
bool IsStoredPath(const QString& path);

} // namespace vx7::core
