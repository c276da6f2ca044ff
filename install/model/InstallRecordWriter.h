#pragma once

#include "InstallRecord.h"

#include <QString>

namespace vx7::install {

// Writes the two install information files from one filled record (date, paths,
// top-folder byte); the writer stamps each file's marker and version.
class InstallRecordWriter {
  public:
    // The program folder's file: marker 'A', version "2011.07.28 V1.5", 4380 bytes,
    // left writable by its owner.
    static bool WriteProgramFile(const InstallRecord& record, const QString& path, QString* error = nullptr);

    // The information folder's file: marker 'S', version "2006.02.16 V1.5.0", the
    // record followed by its first 179 bytes (4559 bytes).
    static bool WriteInformationFile(const InstallRecord& record, const QString& path,
                                     QString* error = nullptr);

    static InstallRecord ProgramRecord(InstallRecord record);
    static InstallRecord InformationRecord(InstallRecord record);
};

} // namespace vx7::install
