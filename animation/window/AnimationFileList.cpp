#include "AnimationFileList.h"

#include "core/SysInfo.h"

namespace vx7::animation {

void AnimationFileList::Refill(const core::SysInfo& sys, int kind) {
    QStringList titles, paths;
    sys.ListVideos(kind == 1 ? 1 : 0, titles, paths, kCapacity);
    SetFiles(titles, paths);
}

void AnimationFileList::SetFiles(const QStringList& titles, const QStringList& paths) {
    const int count = static_cast<int>(std::min({paths.size(), titles.size(), qsizetype(kCapacity)}));
    titles_ = titles.mid(0, count);
    paths_ = paths.mid(0, count);
    EnsureRows(count);
    if (selectedRow_ >= count)
        selectedRow_ = -1;
}

void AnimationFileList::EnsureRows(int rows) {
    rows_ = std::max(rows_, rows);
}

QString AnimationFileList::RowName(int row) const {
    return row >= 0 && row < FileCount() ? titles_.at(row) : EmptyRowText();
}

QString AnimationFileList::PathAt(int row) const {
    return row >= 0 && row < FileCount() ? paths_.at(row) : QString();
}

bool AnimationFileList::Select(int row) {
    selectedRow_ = row >= 0 && row < FileCount() ? row : -1;
    return selectedRow_ >= 0;
}

} // namespace vx7::animation
