#include "ColourReduction.h"
#include "core/InstallLayout.h"

#include "ImageConverterLibrary.h"
#include "ReferencePicture.h"
#include "animation/AnimationLog.h"
#include "animation/gif/FrameWorkers.h"
#include "animation/gif/GifIndexedReader.h"
#include "animation/gif/PaletteFrameFile.h"
#include "core/ImageFiles.h"
#include "core/PathParts.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace vx7::animation {

ColourReduction::ColourReduction(QString installFolder, const core::EncoderRegistry& encoders,
                                 ImageConverterLibrary& converter, platform::Prompt& prompt)
    : installFolder_(std::move(installFolder)), encoders_(encoders), converter_(converter), prompt_(prompt) {}

QString ColourReduction::WorkFolder() const {
    return core::JoinPath(installFolder_, core::layout::WorkFolder());
}

QString ColourReduction::ReferencePicturePath() const {
    return core::JoinPath(core::JoinPath(installFolder_, core::layout::SystemPictureFolder()),
                          ReferencePicture::FileName());
}

QString ColourReduction::TitleOf(const QString& source) {
    // Relative paths are made absolute first, so that they too have a folder part.
    return core::FileTitlePart(QFileInfo(source).absoluteFilePath().left(256));
}

QString ColourReduction::ConverterMissingText() {
    return QStringLiteral(
        "找不到图像转换库Image66Conver123ter(或其ConvertImage入口),不能用\"高质流行色\"建立GIF动画!");
}

// Sources are reduced side by side, but those that share a title share working files,
// so they go to one worker in list order: the later one overwrites the earlier, as
// when they are reduced one after another. Returns false when stopped.
bool ColourReduction::ForEachSource(const QStringList& sources, const std::function<void(int)>& reduce,
                                    const std::atomic<bool>* stop, const std::function<void(int)>& done) {
    std::vector<std::vector<int>> groups;
    QHash<QString, int> groupOfTitle;
    for (int i = 0; i < sources.size(); ++i) {
        const QString title = TitleOf(sources[i]);
        auto it = groupOfTitle.find(title);
        if (it == groupOfTitle.end()) {
            it = groupOfTitle.insert(title, static_cast<int>(groups.size()));
            groups.emplace_back();
        }
        groups[static_cast<std::size_t>(*it)].push_back(i);
    }
    int finished = 0;
    std::mutex lock;
    return FrameWorkers(threads_).Run(
        static_cast<int>(groups.size()),
        [&](int group, int) {
            for (int i : groups[static_cast<std::size_t>(group)]) {
                reduce(i);
                if (done) {
                    std::lock_guard guard(lock);
                    done(++finished);
                }
            }
        },
        stop);
}

void ColourReduction::SetThreads(int threads) {
    threads_ = std::clamp(threads, 1, FrameWorkers::kMaxThreads);
}

ReductionResult ColourReduction::ReduceByImageEncoder(const QStringList& sources,
                                                      const std::atomic<bool>* stop,
                                                      const std::function<void(int)>& done) {
    ReductionResult result;
    QDir().mkpath(WorkFolder());
    for (const QString& source : sources)
        result.frames << core::JoinPath(WorkFolder(), TitleOf(source) + QStringLiteral(".gif"));
    result.stopped = !ForEachSource(
        sources,
        [&](int i) {
            const QString& target = result.frames[i];
            // A stale file from an earlier build must not stand in for a source that fails now.
            QFile::remove(target);
            if (!core::SaveImageAs(encoders_, QStringLiteral("GIF"), sources[i], target, 100))
                qCDebug(lcAnimation) << "no GIF made of" << sources[i];
        },
        stop, done);
    if (result.stopped)
        result.error = QStringLiteral("stopped");
    return result;
}

QStringList ColourReduction::ReencodeAsBmp(const QStringList& pictures) {
    QDir().mkpath(WorkFolder());
    QStringList out;
    for (const QString& picture : pictures) {
        const QString target = core::JoinPath(WorkFolder(), TitleOf(picture) + QStringLiteral(".bmp"));
        if (QFileInfo(picture).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
            QFile::remove(target);
            core::SaveImageAs(encoders_, QStringLiteral("BMP"), picture, target, 100);
        }
        out << target;
    }
    return out;
}

ReductionResult ColourReduction::ReduceByConverter(const QStringList& sources, const std::atomic<bool>* stop,
                                                   const std::function<void(int)>& done) {
    ReductionResult result;
    QString why;
    if (!converter_.Function(&why)) {
        qCWarning(lcAnimation) << "converter unavailable:" << why;
        prompt_.Message(ConverterMissingText());
        result.stopped = true;
        result.error = why.isEmpty() ? QStringLiteral("converter library not found") : why;
        return result;
    }
    QDir().mkpath(WorkFolder());
    const QString reference = ReferencePicturePath();
    for (const QString& source : sources)
        result.frames << core::JoinPath(WorkFolder(), TitleOf(source) + QStringLiteral(".gif"));
    result.stopped = !ForEachSource(
        sources,
        [&](int i) {
            const QString& source = sources[i];
            const QString& target = result.frames[i];
            const QString composite =
                core::JoinPath(WorkFolder(), TitleOf(source) + QStringLiteral("_Tmp.bmp"));
            QFile::remove(target);
            const int offset =
                core::ComposeSideBySide(encoders_, composite, source, reference, QStringLiteral("BMP"), 100);
            if (offset < 0) {
                qCDebug(lcAnimation) << "no composite made of" << source;
                return;
            }
            converter_.Convert(composite, target);
            QString error;
            if (!CropToPaletteFrame(target, offset, QString(), &error))
                qCDebug(lcAnimation) << "no frame cropped from" << target << error;
        },
        stop, done);
    if (result.stopped)
        result.error = QStringLiteral("stopped");
    return result;
}

bool ColourReduction::CropToPaletteFrame(const QString& path, int offset, const QString& output,
                                         QString* error) {
    QByteArray bytes;
    if (!GifIndexedReader::ReadFile(path, bytes, error))
        return false;
    GifIndexedImage image;
    GifIndexedReader reader;
    if (!reader.ReadLast(AsBytes(bytes), image, error))
        return false;
    const int keep = image.width - std::max(offset, 0);
    if (keep < 1) {
        if (error)
            *error = QStringLiteral("offset %1 leaves no column of a %2 pixel wide image")
                         .arg(offset)
                         .arg(image.width);
        return false;
    }
    PaletteFrameFile frame;
    frame.width = keep;
    frame.height = image.height;
    frame.palette = image.palette;
    frame.pixels.resize(frame.PixelCount());
    const int skip = image.width - keep;
    for (int y = 0; y < image.height; ++y)
        std::memcpy(frame.pixels.data() + static_cast<size_t>(y) * keep,
                    image.pixels.data() + static_cast<size_t>(y) * image.width + skip,
                    static_cast<size_t>(keep));
    return frame.Write(output.isEmpty() ? path : output, error);
}

} // namespace vx7::animation
