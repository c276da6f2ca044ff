#include "GifPaths.h"

#include "core/PathParts.h"
#include "core/SysInfo.h"

namespace vx7::animation {

QString GifPaths::Output(const QString& folder, const QString& name) {
    return core::JoinPath(folder, name + QStringLiteral(".gif"));
}

QString GifPaths::GifFolder(core::SysInfo& sys) {
    const QString stored = sys.Text(core::SysInfo::kReadGifFolder);
    return stored.isEmpty() ? sys.PhotoFolder() : stored;
}

QString GifPaths::WorkBmp(const core::SysInfo& sys, const QString& picturePath) {
    return core::JoinPath(sys.WorkFolder(), core::FileTitlePart(picturePath) + QStringLiteral(".bmp"));
}

QString GifPaths::LastMadeName(const QString& photoName) {
    return photoName + QStringLiteral(".gif");
}

} // namespace vx7::animation
