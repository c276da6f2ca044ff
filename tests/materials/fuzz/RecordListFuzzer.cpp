// Fuzz target for the ".g3d" reader, the string table and the record index. The first
// input byte picks the list kind; the rest is the file.
#include "materials/RecordList.h"

#include <cstdint>
#include <cstdlib>

using namespace vx7::materials;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // 0 the matching-picture list, 1 and 2 the lists that skip their first record, ...
    static const char kKinds[] = {'A', 'B', 'C', 'b', 'c', ' '};
    const char kind = kKinds[data[0] % sizeof kKinds];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    RecordList holder;
    if (!holder.LoadData(bytes, kind))
        return 0;
    const int records = holder.RecordCount();
    for (int group = 0; group <= 20; ++group) {
        const int listed = holder.BuildRecordIndex(group);
        if (listed != int(holder.ListedRecords().size()) || listed > RecordList::kMaxListed)
            std::abort();
        for (int j : holder.ListedRecords())
            if (j < 0 || j >= records || RecordListFile::IsHeading(holder.File().records[size_t(j)]))
                std::abort();
        for (int g = 1; g <= RecordList::kNamedGroups; ++g)
            (void)holder.GroupAt(g);
    }
    for (int e = -1; e <= int(holder.File().entries.size()); ++e)
        if (holder.RecordStringBytes(e).size() > RecordList::kMaxStringBytes)
            std::abort();
    return 0;
}
