#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace vx7::install {

// The installer's drive letters. "C:" is the home folder; further letters are the
// mounted removable and data volumes (D: onwards, in order of their mount points).
// VX7_DRIVES ("D=/path,E=/path", C may be given too) replaces the volume letters,
// so tests can install into temporary trees.
class DriveTable {
  public:
    struct Drive {
        QChar letter; // upper case
        QString root; // absolute folder, no trailing "/" (except the file-system root)
    };

    DriveTable() = default;
    explicit DriveTable(QList<Drive> drives);

    // The table of the running user, read from the environment and the mounted volumes.
    static DriveTable FromEnvironment();
    // Parses a VX7_DRIVES value over homeFolder as C:. Malformed entries are skipped.
    static DriveTable FromList(const QString& list, const QString& homeFolder);

    const QList<Drive>& Drives() const { return drives_; }
    // The folder of a letter (either case); empty when the letter is not in the table.
    std::optional<QString> RootOf(QChar letter) const;
    // The letter whose root is exactly this folder, when there is one.
    std::optional<QChar> LetterOf(const QString& folder) const;

    // Free bytes of the letter's volume as the current user may use them; empty when
    // the drive is unknown or its volume cannot be read.
    std::optional<std::uint64_t> FreeBytes(QChar letter) const;

  private:
    QList<Drive> drives_;
};

} // namespace vx7::install
