#pragma once

#include "RecordListFile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace vx7::materials {

// The program-wide holder of one loaded record list (".g3d"): the list itself, its
// kind, and the index of records to show built by BuildRecordIndex. Created empty
// at start-up; each successful load replaces its contents, a failed one changes nothing.
class RecordList {
  public:
    static constexpr int kMaxListed = 991;  // the walk stops once more than 990 are listed
    static constexpr int kNamedGroups = 16; // groups whose name, heading and count are kept
    static constexpr int kMaxStringBytes = 250;

    struct Group {
        QString name;
        int headingRecord = -1;
        int itemCount = 0;
    };

    // The lists live below the base folder; the program uses its installation folder.
    explicit RecordList(const QString& baseFolder = QString());
    void SetBaseFolder(const QString& folder) { baseFolder_ = folder; }
    QString BaseFolder() const { return baseFolder_; }

    // "服饰图标/服饰图标列表" for 'B'/'b', "通用图标/通用图标列表" for 'C'/'c',
    // "搭配图片/搭配图片记录表" for any other kind.
    static QString ListName(char kind);
    // "<base>/<name>.g3d"
    QString ListPath(char kind) const;

    // Loads the list of the kind, stores the kind and runs BuildRecordIndex(0).
    // Returns false and changes nothing when the file is missing or malformed.
    bool LoadRecordList(char kind, QString* error = nullptr);
    // The same for an explicit file (the command-line tool lists any file).
    bool LoadFile(const QString& path, char kind, QString* error = nullptr);
    // The same for the bytes of a list already in memory.
    bool LoadData(const QByteArray& bytes, char kind, QString* error = nullptr);

    // The text of a string entry, at most 250 bytes of it: empty unless the entry
    // exists and its offset lies in the string data. A length running past the data
    // is cut at its end. The text version never ends in half a double-byte character.
    QByteArray RecordStringBytes(int entry) const;
    QString RecordString(int entry) const;

    // Builds the listed record indices for a group (0 = all groups) and returns how
    // many are listed. For lists of kind 'B' and 'C' the first record is skipped.
    // Items before the first heading belong to no group and appear only with 0.
    int BuildRecordIndex(int group);

    // ' ' before any load, else the kind given to the last successful load.
    char LoadedRecordKind() const { return kind_; }

    const std::vector<int>& ListedRecords() const { return listed_; }
    int GroupCount() const { return groupCount_; }
    // Groups 1..16 found by the last build; an empty group for any other number.
    Group GroupAt(int group) const;

    int RecordCount() const { return static_cast<int>(file_.records.size()); }
    const RecordListFile& File() const { return file_; }

  private:
    QByteArray EntryBytes(int entry, qsizetype limit) const;
    void Adopt(RecordListFile file, char kind);

    QString baseFolder_;
    RecordListFile file_;
    char kind_ = ' ';
    std::vector<int> listed_;
    int groupCount_ = 0;
    std::array<Group, kNamedGroups + 1> groups_{}; // index 0 unused
};

} // namespace vx7::materials
