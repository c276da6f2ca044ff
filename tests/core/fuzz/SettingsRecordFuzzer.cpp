// Fuzz target for the settings record: arbitrary bytes as the settings file's contents,
// then every value the program reads from it. Accepted: a whole record.
#include "materials/fuzz/FuzzInput.h"

#include "core/SysInfo.h"

#include <QDir>

#include <cstdint>

using vx7::core::SysInfo;

bool vx7::fuzz::ReadInput(const std::uint8_t* data, std::size_t size) {
    static const QString kInstall = QStringLiteral("/nonexistent-vx7-installation");
    SysInfo sys;
    sys.SetFolder(kInstall);
    const bool whole = sys.LoadBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    VX7_FUZZ_CHECK(whole == (size >= SysInfo::kRecordSize));
    // Whatever the record holds, photos go to an absolute folder, never to the root
    // of the file system by way of an empty name.
    const QString photos = sys.PhotoFolder();
    VX7_FUZZ_CHECK(!photos.isEmpty());
    VX7_FUZZ_CHECK(QDir::isAbsolutePath(photos));
    VX7_FUZZ_CHECK(photos == sys.StoredPhotoFolder() || photos == sys.DefaultPhotoFolder());
    for (int code : {SysInfo::kReadBackgroundFolder, SysInfo::kReadSaveFolder, SysInfo::kReadLastBackground,
                     SysInfo::kReadGifFolder})
        VX7_FUZZ_CHECK(sys.Text(code).size() <= qsizetype(SysInfo::kSlotSize));
    (void)sys.HotKeyChar(' ');
    return whole;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx7::fuzz::ReadInput(data, size);
    return 0;
}
