#pragma once

#include "MaterialPackage.h"

#include <QString>

#include <optional>

namespace vx7::materials {

// The readable text from which the authoring command builds a ".dm3" package.
// One statement per line; '#' starts a comment line; blank lines are ignored.
//
//   folder <path>          picture folder stored in the package (relative to the
//                          installation folder; the authoring command refuses an
//                          absolute folder and one with a ".." part)
//   note <text>            a line of text kept in the package's trailing data
//   group <title>          starts the next group: a title record with the next
//                          group letter ('A' for the first)
//   item <name> x=<int> y=<int> slot=<int> scale=<number>
//                          a material of the current group; <name> is its picture
//                          file name without ".png"
//   hidden <name> x=... y=... slot=... scale=...
//                          a record of the current group that is never listed
//
// Every error names its line.
class PackageDescription {
  public:
    static std::optional<MaterialPackage> Parse(const QString& text, QString* error = nullptr);
    static constexpr qint64 kMaxDescriptionBytes = qint64{16} * 1024 * 1024;
    static std::optional<MaterialPackage> ReadFile(const QString& path, QString* error = nullptr);
};

} // namespace vx7::materials
