#include "RecordList.h"

#include "MaterialsLog.h"
#include "core/InstallLayout.h"
#include "core/PathParts.h"
#include "platform/Gbk.h"

namespace vx7::materials {

RecordList::RecordList(const QString& baseFolder) : baseFolder_(baseFolder) {}

QString RecordList::ListName(char kind) {
    switch (kind) {
    case 'B':
    case 'b':
        return core::JoinPath(core::layout::ClothingIconFolder(), core::layout::ClothingIconList());
    case 'C':
    case 'c':
        return core::JoinPath(core::layout::GeneralIconFolder(), core::layout::GeneralIconList());
    default:
        return core::JoinPath(core::layout::MatchingPictureFolder(), core::layout::MatchingPictureList());
    }
}

QString RecordList::ListPath(char kind) const {
    return baseFolder_ + QLatin1Char('/') + ListName(kind) + QStringLiteral(".g3d");
}

bool RecordList::LoadRecordList(char kind, QString* error) {
    return LoadFile(ListPath(kind), kind, error);
}

bool RecordList::LoadFile(const QString& path, char kind, QString* error) {
    QString why;
    auto file = RecordListFile::ReadFile(path, &why);
    if (!file) {
        qCWarning(lcMaterials) << "record list not loaded:" << why;
        if (error)
            *error = why;
        return false;
    }
    Adopt(std::move(*file), kind);
    return true;
}

bool RecordList::LoadData(const QByteArray& bytes, char kind, QString* error) {
    auto file = RecordListFile::Parse(bytes, error);
    if (!file)
        return false;
    Adopt(std::move(*file), kind);
    return true;
}

void RecordList::Adopt(RecordListFile file, char kind) {
    file_ = std::move(file);
    kind_ = kind;
    BuildRecordIndex(0);
}

QByteArray RecordList::EntryBytes(int entry, qsizetype limit) const {
    if (entry < 0 || entry >= static_cast<int>(file_.entries.size()))
        return QByteArray();
    const RecordListFile::Entry& e = file_.entries[static_cast<size_t>(entry)];
    const qsizetype dataSize = file_.data.size();
    if (e.offset < 0 || e.offset >= dataSize || e.length <= 0)
        return QByteArray();
    const qsizetype length = std::min<qsizetype>({qsizetype(e.length), dataSize - e.offset, limit});
    return file_.data.mid(e.offset, length);
}

QByteArray RecordList::RecordStringBytes(int entry) const {
    return EntryBytes(entry, kMaxStringBytes);
}

QString RecordList::RecordString(int entry) const {
    // One byte more than the limit tells whether the cut falls inside a double-byte character.
    return platform::FromGbk(platform::TruncateGbk(EntryBytes(entry, kMaxStringBytes + 1), kMaxStringBytes));
}

int RecordList::BuildRecordIndex(int group) {
    listed_.clear();
    groupCount_ = 0;
    const int r = RecordCount();
    if (r == 0)
        return 0;
    const int first = (kind_ == 'B' || kind_ == 'C') ? 1 : 0;
    int headings = 0;
    int running = 0;
    for (int j = first; j < r; ++j) {
        const RecordListFile::Record& rec = file_.records[static_cast<size_t>(j)];
        if (RecordListFile::IsHeading(rec)) {
            if (headings > 0 && headings <= kNamedGroups)
                groups_[static_cast<size_t>(headings)].itemCount = running;
            if (headings + 1 <= kNamedGroups) {
                Group& next = groups_[static_cast<size_t>(headings + 1)];
                next.headingRecord = j;
                next.name = RecordString(RecordListFile::Field(rec, RecordListFile::kNameField));
            }
            running = 0;
            ++headings;
            continue;
        }
        if (group == 0 || group == headings) {
            listed_.push_back(j);
            ++running;
        }
        if ((group > 0 && headings > group) || static_cast<int>(listed_.size()) > kMaxListed - 1)
            break;
    }
    if (headings > 0 && headings <= kNamedGroups)
        groups_[static_cast<size_t>(headings)].itemCount = running;
    groupCount_ = headings;
    return static_cast<int>(listed_.size());
}

RecordList::Group RecordList::GroupAt(int group) const {
    if (group < 1 || group > kNamedGroups || group > groupCount_)
        return Group{};
    return groups_[static_cast<size_t>(group)];
}

} // namespace vx7::materials
