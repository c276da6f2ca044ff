// Fuzz target for the ".dm3" reader and the catalogue's listing rules. Built as a
// libFuzzer target with clang, and as a replay test everywhere else.
#include "FuzzInput.h"

#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageReader.h"

#include <cstdint>
#include <cstdlib>

using namespace vx7::materials;

bool vx7::fuzz::ReadInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so any read past it is caught by the sanitizer.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto package = MaterialPackageReader::Parse(bytes);
    if (!package)
        return false;
    VX7_FUZZ_CHECK(package->records.size() <= size_t(MaterialPackage::kMaxRecords));
    VX7_FUZZ_CHECK(package->ExtraRecordCount() <= MaterialPackage::kMaxExtraRecords);
    VX7_FUZZ_CHECK(package->trailing.size() <= MaterialPackage::kMaxTrailingSize);
    for (int group = -1; group <= 40; ++group)
        for (int i : MaterialCatalogue::Filter(*package, group)) {
            VX7_FUZZ_CHECK(i >= 0 && size_t(i) < package->records.size());
            const MaterialRecord& rec = package->records[size_t(i)];
            VX7_FUZZ_CHECK(rec.IsListable());
            VX7_FUZZ_CHECK(group <= 0 || rec.group == char(64 + group));
        }
    (void)MaterialCatalogue::GroupTitles(*package);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx7::fuzz::ReadInput(data, size);
    return 0;
}
