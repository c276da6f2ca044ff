#pragma once

#include <QString>
#include <QStringList>

namespace vx7::animation {

// The pictures the animation window turns into one GIF, in the order they were added.
// Holds at most 16; lives until the window closes and is emptied when the window
// enters its GIF-making mode.
class GifPictureList {
  public:
    static constexpr int kCapacity = 16;

    bool IsFull() const { return paths_.size() >= kCapacity; }
    int Count() const { return static_cast<int>(paths_.size()); }
    bool IsEmpty() const { return paths_.isEmpty(); }

    // Appends a picture; false (nothing added) when the list is full or the path empty.
    bool Add(const QString& path);
    QString At(int index) const;
    const QStringList& Paths() const { return paths_; }
    void Clear() { paths_.clear(); }

  private:
    QStringList paths_;
};

} // namespace vx7::animation
