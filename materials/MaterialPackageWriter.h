#pragma once

#include "MaterialPackage.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vx7::materials {

// Writes ".dm3" packages in the layout MaterialPackageReader reads. Unread bytes of
// the headers and records are written as zeros. Texts are stored in GBK; a text
// without a GBK form or too long for its field is refused, never stored garbled.
class MaterialPackageWriter {
  public:
    static std::optional<QByteArray> Serialize(const MaterialPackage& package, QString* error = nullptr);
    // Writes atomically: an existing file is replaced only when the whole package was written.
    static bool WriteFile(const MaterialPackage& package, const QString& path, QString* error = nullptr);
};

} // namespace vx7::materials
