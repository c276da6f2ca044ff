#include "GifBuildJob.h"

#include "GifEngine.h"
#include "animation/AnimationLog.h"
#include "core/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx7::animation {
namespace {

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load();
}

// A GIF that holds at least a header: the writer leaves only the trailer byte when no
// frame was usable.
bool HoldsFrames(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 13;
}

} // namespace

GifBuildJob::GifBuildJob(GifEngine& engine, const core::EncoderRegistry& encoders)
    : engine_(engine), encoders_(encoders) {}

QString GifBuildJob::ProgressText(int index, int total) {
    return QStringLiteral("正在处理第 %1 帧, 共 %2 帧").arg(index).arg(total);
}

GifJobResult GifBuildJob::Run(const GifBuildRequest& request, const Progress& progress,
                              const std::atomic<bool>* cancel) {
    GifJobResult result;
    result.output = request.output;
    const int total = static_cast<int>(request.pictures.size());
    auto report = [&](int done, const QString& text) {
        if (progress)
            progress(done, total, text);
    };

    if (total == 0) {
        result.outcome = GifJobResult::Outcome::NoFrames;
        result.message = QStringLiteral("没有可用的图片, 未建立GIF动画");
        return result;
    }
    if (request.mode == 0) {
        QString error;
        if (!engine_.ConverterAvailable(error)) {
            result.outcome = GifJobResult::Outcome::ConverterMissing;
            result.message = error.isEmpty() ? QStringLiteral("找不到颜色转换库, 无法建立GIF动画") : error;
            return result;
        }
    }

    QStringList frames;
    for (int i = 0; i < total; ++i) {
        if (Cancelled(cancel)) {
            result.outcome = GifJobResult::Outcome::Cancelled;
            result.message = QStringLiteral("已取消建立GIF动画");
            return result;
        }
        report(i, ProgressText(i + 1, total));
        const QString& picture = request.pictures.at(i);
        if (request.mode == 1) {
            frames.append(engine_.ReduceByImageEncoder(picture));
            continue;
        }
        QString source = picture;
        if (i < request.workBmps.size() && !request.workBmps.at(i).isEmpty()) {
            // A picture that cannot be re-encoded keeps no working BMP; the converter
            // then finds nothing and the writer leaves the frame out.
            source = request.workBmps.at(i);
            if (!core::SaveImageAs(encoders_, QStringLiteral("BMP"), picture, source, 100)) {
                qCInfo(lcAnimation) << "cannot re-encode" << picture;
                QFile::remove(source);
            }
        }
        frames.append(engine_.ReduceByConverter(source));
    }
    if (Cancelled(cancel)) {
        result.outcome = GifJobResult::Outcome::Cancelled;
        result.message = QStringLiteral("已取消建立GIF动画");
        return result;
    }

    report(total, QStringLiteral("正在写入GIF文件 %1").arg(QDir::toNativeSeparators(request.output)));
    // The writer works on a file beside the output, which replaces the output only once
    // it holds frames: a failed build never destroys an earlier GIF of the same name,
    // and nobody can open a half-written file under the final name.
    const QString partial = request.output + QStringLiteral(".part");
    QFile::remove(partial);
    if (request.mode == 1)
        engine_.BuildFromGifFiles(frames, partial, request.delay);
    else
        engine_.BuildFromPaletteFrames(frames, partial, request.delay);

    result.frames = total;
    if (!QFileInfo(partial).isFile()) {
        result.outcome = GifJobResult::Outcome::Failed;
        result.message = QStringLiteral("无法建立GIF文件: %1").arg(request.output);
    } else if (!HoldsFrames(partial)) {
        QFile::remove(partial);
        result.outcome = GifJobResult::Outcome::NoFrames;
        result.message = QStringLiteral("图片都无法读取, 未建立GIF动画: %1").arg(request.output);
    } else if ((QFileInfo::exists(request.output) && !QFile::remove(request.output)) ||
               !QFile::rename(partial, request.output)) {
        QFile::remove(partial);
        result.outcome = GifJobResult::Outcome::Failed;
        result.message = QStringLiteral("无法替换GIF文件: %1").arg(request.output);
    } else {
        result.outcome = GifJobResult::Outcome::Built;
        result.message = QStringLiteral("GIF动画已建立: %1").arg(request.output);
    }
    return result;
}

} // namespace vx7::animation
