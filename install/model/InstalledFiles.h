#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vx7::install {

// The list of what an installation put into its program folder, kept in the
// information folder so that the uninstaller removes exactly that and leaves
// whatever the user added (photos, animations, own materials) where it is.
// One path per line, relative to the program folder, UTF-8.
class InstalledFiles {
  public:
    // The list's name in the information folder.
    static QString ListFile() { return QStringLiteral("vx7ECamInstFiles.lst"); }

    // What the copy puts into the program folder from the medium's program folder at
    // sourceBase, relative to the program folder, in copy order (the same first
    // entries of each folder the copy takes), plus the install information file.
    static QStringList FromMedium(const QString& sourceBase, int maxPerFolder);

    static bool Write(const QString& path, const QStringList& files, QString* error = nullptr);
    // nullopt when the list is missing or unreadable; entries that could lead out
    // of the program folder (absolute, "..", empty) are dropped.
    static std::optional<QStringList> Read(const QString& path);
};

} // namespace vx7::install
