// Fuzz target for the ".g3d" reader, the string table and the record index. The first
// input byte picks the list kind; the rest is the file.
#include "FuzzInput.h"

#include "materials/RecordList.h"

#include <cstdint>
#include <cstdlib>

using namespace vx7::materials;

bool vx7::fuzz::ReadInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return false;
    // 0 the matching-picture list, 1 and 2 the lists that skip their first record, ...
    static const char kKinds[] = {'A', 'B', 'C', 'b', 'c', ' '};
    const char kind = kKinds[data[0] % sizeof kKinds];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    RecordList holder;
    if (!holder.LoadData(bytes, kind))
        return false;
    const int records = holder.RecordCount();
    VX7_FUZZ_CHECK(records == int(holder.File().records.size()));
    for (int group = 0; group <= 20; ++group) {
        const int listed = holder.BuildRecordIndex(group);
        VX7_FUZZ_CHECK(listed == int(holder.ListedRecords().size()));
        VX7_FUZZ_CHECK(listed <= RecordList::kMaxListed);
        for (int j : holder.ListedRecords()) {
            VX7_FUZZ_CHECK(j >= 0 && j < records);
            VX7_FUZZ_CHECK(!RecordListFile::IsHeading(holder.File().records[size_t(j)]));
        }
        for (int g = 1; g <= RecordList::kNamedGroups; ++g)
            (void)holder.GroupAt(g);
    }
    for (int e = -1; e <= int(holder.File().entries.size()); ++e)
        VX7_FUZZ_CHECK(holder.RecordStringBytes(e).size() <= RecordList::kMaxStringBytes);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx7::fuzz::ReadInput(data, size);
    return 0;
}
