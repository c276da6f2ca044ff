#pragma once

#include "InstallRecord.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace vx7::install {

// What was read of an install information file.
struct InstallRecordFile {
    InstallRecord record;      // bytes past the end of the file stay zero
    std::size_t bytesRead = 0; // how much of the record the file held (at most the limit)
};

class InstallRecordReader {
  public:
    // Reads the first `limit` bytes (at most a whole record) of the file. Empty, with
    // an error text, when the file cannot be opened or read.
    static std::optional<InstallRecordFile>
    Read(const QString& path, std::size_t limit = InstallRecord::kSize, QString* error = nullptr);
};

} // namespace vx7::install
