// Fuzz target for the install record: every field read from arbitrary bytes, written
// back and read again. Accepted: a record that carries one of the two markers.
#include "materials/fuzz/FuzzInput.h"

#include "install/model/InstallRecord.h"

#include <cstdint>
#include <span>

using vx7::install::InstallRecord;

bool vx7::fuzz::ReadInput(const std::uint8_t* data, std::size_t size) {
    const InstallRecord record =
        InstallRecord::FromBytes(std::span<const char>(reinterpret_cast<const char*>(data), size));
    struct Field {
        std::size_t offset, size;
    };
    static const Field kFields[] = {
        {InstallRecord::kDateOffset, InstallRecord::kDateSize},
        {InstallRecord::kVersionOffset, InstallRecord::kVersionSize},
        {InstallRecord::kProgramSlashOffset, InstallRecord::kProgramSlashSize},
        {InstallRecord::kProgramOffset, InstallRecord::kProgramSize},
        {InstallRecord::kTopOffset, InstallRecord::kTopSize},
        {InstallRecord::kGroupOffset, InstallRecord::kGroupSize},
        {InstallRecord::kDesktopOffset, InstallRecord::kDesktopSize},
    };
    for (const Field& f : kFields) {
        VX7_FUZZ_CHECK(record.FieldLength(f.offset, f.size) <= f.size);
        VX7_FUZZ_CHECK(record.FieldTerminated(f.offset, f.size) ==
                       (record.FieldLength(f.offset, f.size) < f.size));
    }
    // A text read from a field, written back into a fresh record, reads back the same
    // or (when it does not fit whole) as nothing; never as some other path.
    const QString texts[] = {record.Version(), record.TopFolder(), record.GroupFolder(),
                             record.DesktopShortcut(), record.ProgramFolder()};
    InstallRecord copy;
    const bool fits[] = {copy.SetVersion(texts[0]), copy.SetTopFolder(texts[1]),
                         copy.SetGroupFolder(texts[2]), copy.SetDesktopShortcut(texts[3]),
                         copy.SetProgramFolder(texts[4])};
    const QString back[] = {copy.Version(), copy.TopFolder(), copy.GroupFolder(), copy.DesktopShortcut(),
                            copy.ProgramFolder()};
    for (int i = 0; i < 5; ++i)
        VX7_FUZZ_CHECK(fits[i] ? back[i] == texts[i] : back[i].isEmpty());
    (void)record.Date();
    (void)record.ProgramFolderWithSlash();
    VX7_FUZZ_CHECK(record.InformationFileBytes().size() ==
                   qsizetype(InstallRecord::kSize + InstallRecord::kRepeatSize));
    return record.Marker() == InstallRecord::kProgramMarker ||
           record.Marker() == InstallRecord::kInformationMarker;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx7::fuzz::ReadInput(data, size);
    return 0;
}
