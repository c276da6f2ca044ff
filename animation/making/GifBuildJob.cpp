#include "GifBuildJob.h"

#include "GifEngine.h"
#include "animation/AnimationLog.h"
#include "core/ImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

    // The animation window re-encodes every picture as a BMP before the converter mode.
    QStringList sources = request.pictures;
    if (request.mode == 0) {
        for (int i = 0; i < total && i < request.workBmps.size(); ++i) {
            if (request.workBmps.at(i).isEmpty())
                continue;
            if (Cancelled(cancel)) {
                result.outcome = GifJobResult::Outcome::Cancelled;
                result.message = QStringLiteral("已取消建立GIF动画");
                return result;
            }
            // A picture that cannot be re-encoded keeps no working BMP; the converter
            // then finds nothing and the writer leaves the frame out.
            sources[i] = request.workBmps.at(i);
            if (!core::SaveImageAs(encoders_, QStringLiteral("BMP"), request.pictures.at(i), sources[i],
                                   100)) {
                qCInfo(lcAnimation) << "cannot re-encode" << request.pictures.at(i);
                QFile::remove(sources[i]);
            }
        }
    }
    // The pictures are reduced side by side; progress counts the finished ones.
    report(0, ProgressText(1, total));
    const QStringList frames = engine_.ReduceAll(sources, request.mode, cancel, [&](int done) {
        if (done < total)
            report(done, ProgressText(done + 1, total));
    });
    if (Cancelled(cancel) || frames.size() != total) {
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
