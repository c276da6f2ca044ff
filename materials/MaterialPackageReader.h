#pragma once

#include "MaterialPackage.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vx7::materials {

// Reads ".dm3" packages. Every count is checked against the catalogue's capacities
// and against the bytes actually present before anything is read, so a truncated,
// oversized or hostile file is refused as a whole with an error text.
class MaterialPackageReader {
  public:
    static std::optional<MaterialPackage> Parse(const QByteArray& bytes, QString* error = nullptr);
    static std::optional<MaterialPackage> ReadFile(const QString& path, QString* error = nullptr);
};

} // namespace vx7::materials
