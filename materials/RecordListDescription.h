#pragma once

#include "RecordListFile.h"

#include <QString>

#include <optional>

namespace vx7::materials {

// The readable text from which the authoring command builds a ".g3d" record list.
// One statement per line; '#' starts a comment line; blank lines are ignored.
//
//   lead <text>            a leading record (lists of kind 'B' and 'C' skip the first record)
//   heading <name>         a group heading; its name goes into the string table
//   item <name> [f<k>=<int> ...]
//                          an item; its name goes into the string table as well.
//                          f0..f11 set the record's int32 fields; unset fields are -1.
//
// The name of every record is its second int32 field (the string entry index).
class RecordListDescription {
  public:
    static std::optional<RecordListFile> Parse(const QString& text, QString* error = nullptr);
    static constexpr qint64 kMaxDescriptionBytes = qint64{16} * 1024 * 1024;
    static std::optional<RecordListFile> ReadFile(const QString& path, QString* error = nullptr);
};

} // namespace vx7::materials
