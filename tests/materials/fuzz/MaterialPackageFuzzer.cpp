// Fuzz target for the ".dm3" reader and the catalogue's listing rules. Built as a
// libFuzzer target with clang, and as a replay test everywhere else.
#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageReader.h"

#include <cstdint>
#include <cstdlib>

using namespace vx7::materials;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so any read past it is caught by the sanitizer.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto package = MaterialPackageReader::Parse(bytes);
    if (!package)
        return 0;
    if (package->records.size() > size_t(MaterialPackage::kMaxRecords) ||
        package->ExtraRecordCount() > MaterialPackage::kMaxExtraRecords ||
        package->trailing.size() > MaterialPackage::kMaxTrailingSize)
        std::abort();
    for (int group = -1; group <= 40; ++group)
        for (int i : MaterialCatalogue::Filter(*package, group)) {
            const MaterialRecord& rec = package->records.at(size_t(i));
            if (!rec.IsListable() || (group > 0 && rec.group != char(64 + group)))
                std::abort();
        }
    (void)MaterialCatalogue::GroupTitles(*package);
    return 0;
}
