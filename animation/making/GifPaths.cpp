#include "GifPaths.h"

#include "camera/settings/PathParts.h"
#include "camera/settings/SysInfo.h"

namespace vx7::animation {

QString GifPaths::Output(const QString& folder, const QString& name) {
    return camera::JoinPath(folder, name + QStringLiteral(".gif"));
}

QString GifPaths::GifFolder(camera::SysInfo& sys) {
    const QString stored = sys.Text(601);
    return stored.isEmpty() ? sys.PhotoFolder() : stored;
}

QString GifPaths::LastMadeName(const QString& photoName) {
    return photoName + QStringLiteral(".gif");
}

} // namespace vx7::animation
