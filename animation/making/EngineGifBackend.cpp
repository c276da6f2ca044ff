#include "EngineGifBackend.h"

#include "animation/AnimationLog.h"
#include "animation/gif/GifAnimationBuilder.h"
#include "camera/photo/ImageFiles.h"
#include "camera/settings/PathParts.h"
#include "camera/settings/SysInfo.h"

#include <QFile>

namespace vx7::animation {

EngineGifBackend::EngineGifBackend(const camera::SysInfo& sys, const camera::EncoderRegistry& encoders,
                                   GifAnimationBuilder& builder)
    : sys_(sys), encoders_(encoders), builder_(builder) {}

QString EngineGifBackend::ReduceByImageEncoder(const QString& source) {
    std::lock_guard guard(lock_);
    const QString target =
        camera::JoinPath(sys_.WorkFolder(), camera::FileTitlePart(source) + QStringLiteral(".gif"));
    if (!camera::SaveImageAs(encoders_, QStringLiteral("GIF"), source, target, 100)) {
        // No stale working file of an earlier build may stand in for this picture.
        QFile::remove(target);
    }
    return target;
}

bool EngineGifBackend::ConverterAvailable(QString& error) {
    std::lock_guard guard(lock_);
    error = QStringLiteral("颜色转换模块尚未就绪");
    return false;
}

QString EngineGifBackend::ReduceByConverter(const QString&) { return QString(); }

void EngineGifBackend::BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) {
    std::lock_guard guard(lock_);
    const GifBuildResult result = builder_.BuildFromGifFiles(frames, output, delay);
    for (const QString& skipped : result.skipped)
        qCInfo(lcAnimation) << "frame left out:" << skipped;
}

void EngineGifBackend::BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) {
    std::lock_guard guard(lock_);
    const GifBuildResult result = builder_.BuildFromPaletteFrames(frames, output, delay);
    for (const QString& skipped : result.skipped)
        qCInfo(lcAnimation) << "frame left out:" << skipped;
}

} // namespace vx7::animation
