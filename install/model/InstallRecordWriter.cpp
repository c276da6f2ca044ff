#include "InstallRecordWriter.h"
#include "core/SaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace vx7::install {
namespace {

// Replaces the file as a whole: a full or read-only volume leaves the old file (if
// any) as it was and reports the failure instead of leaving a cut record behind.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
    // A link standing at the path is replaced, never written through.
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    // A regular file replaced here may have been read-only; the new one is normal.
    QString why;
    if (!core::SaveWholeFile(path, bytes, &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

} // namespace

InstallRecord InstallRecordWriter::ProgramRecord(InstallRecord record) {
    record.SetMarker(InstallRecord::kProgramMarker);
    record.SetVersion(InstallRecord::ProgramVersion());
    return record;
}

InstallRecord InstallRecordWriter::InformationRecord(InstallRecord record) {
    record.SetMarker(InstallRecord::kInformationMarker);
    record.SetVersion(InstallRecord::InformationVersion());
    return record;
}

bool InstallRecordWriter::WriteProgramFile(const InstallRecord& record, const QString& path, QString* error) {
    const InstallRecord stamped = ProgramRecord(record);
    const auto& raw = stamped.RawBytes();
    return WriteWhole(path, QByteArray(raw.data(), static_cast<qsizetype>(raw.size())), error);
}

bool InstallRecordWriter::WriteInformationFile(const InstallRecord& record, const QString& path,
                                               QString* error) {
    return WriteWhole(path, InformationRecord(record).InformationFileBytes(), error);
}

} // namespace vx7::install
