#include "GifPictureList.h"

namespace vx7::animation {

bool GifPictureList::Add(const QString& path) {
    if (IsFull() || path.isEmpty())
        return false;
    paths_.append(path);
    return true;
}

QString GifPictureList::At(int index) const {
    return index >= 0 && index < paths_.size() ? paths_.at(index) : QString();
}

} // namespace vx7::animation
