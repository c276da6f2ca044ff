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
#include "platform/RegularFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <vector>

namespace vx7::animation {

// What a worker reuses from one frame to the next in mode 0's in-memory route.
struct ColourReduction::FrameScratch {
    QImage composite;
    std::vector<std::uint8_t> indices;
    QByteArray file;
};

ColourReduction::ColourReduction(QString installFolder, const core::EncoderRegistry& encoders,
                                 ImageConverterLibrary& converter, platform::Prompt& prompt)
    : installFolder_(std::move(installFolder)), encoders_(encoders), converter_(converter), prompt_(prompt) {}

ColourReduction::~ColourReduction() = default;

QString ColourReduction::WorkFolder() const {
    return core::JoinPath(installFolder_, core::layout::WorkFolder());
}

QString ColourReduction::ReferencePicturePath() const {
    return core::JoinPath(core::JoinPath(installFolder_, core::layout::SystemPictureFolder()),
                          ReferencePicture::FileName());
}

QString ColourReduction::ConverterMissingText() {
    return QStringLiteral(
        "找不到图像转换库Image66Conver123ter(或其ConvertImage入口),不能用\"高质流行色\"建立GIF动画!");
}

void ColourReduction::BeginBuild() {
    build_.reset();
    QDir().mkpath(WorkFolder());
    // A name no picture can already have: the folder is made new, with a random part.
    build_ = std::make_unique<QTemporaryDir>(core::JoinPath(WorkFolder(), QStringLiteral("build-XXXXXX")));
    if (!build_->isValid())
        qCWarning(lcAnimation) << "cannot make a folder for working files in" << WorkFolder()
                               << build_->errorString();
    next_ = 0;
    frameSize_ = QSize();
    fitted_ = 0;
}

void ColourReduction::EndBuild() {
    build_.reset();
}

QString ColourReduction::BuildFolder() const {
    return build_ && build_->isValid() ? build_->path() : QString();
}

int ColourReduction::NextIndex() {
    if (!build_)
        BeginBuild();
    return ++next_;
}

QString ColourReduction::WorkFile(int index, const QString& suffix) const {
    // Without a folder of its own a build writes nothing: an empty path fails every
    // write and every read, and the frame is left out.
    if (!build_ || !build_->isValid())
        return QString();
    return build_->filePath(QStringLiteral("%1%2").arg(index, 4, 10, QLatin1Char('0')).arg(suffix));
}

void ColourReduction::SetThreads(int threads) {
    threads_ = std::clamp(threads, 1, FrameWorkers::kMaxThreads);
}

void ColourReduction::FindFrameSize(const QStringList& sources) {
    // The first readable picture sets the size every frame is fitted to; found here,
    // in order, so that the workers only read it.
    for (const QString& source : sources) {
        if (frameSize_.isValid())
            return;
        QByteArray bytes;
        if (!platform::ReadRegularFile(source, kMaxPictureBytes, bytes))
            continue;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const QSize size = QImageReader(&buffer).size();
        if (size.isValid() && !size.isEmpty())
            frameSize_ = size;
    }
}

bool ColourReduction::ForEachSource(const QStringList& sources,
                                    const std::function<void(int, int, int)>& reduce,
                                    const std::atomic<bool>* stop, const std::function<void(int)>& done) {
    FindFrameSize(sources);
    std::vector<int> indices;
    for (int i = 0; i < sources.size(); ++i)
        indices.push_back(NextIndex());
    return FrameWorkers(threads_).Run(
        static_cast<int>(sources.size()),
        [&](int i, int worker) { reduce(i, indices[static_cast<std::size_t>(i)], worker); }, stop, done);
}

QString ColourReduction::Prepare(const QString& source, int index, QString& why, QImage* decoded) {
    // Read from memory: only a regular file, never more than the cap, and no wait on
    // a FIFO that stands where a picture was.
    QByteArray bytes;
    if (!platform::ReadRegularFile(source, kMaxPictureBytes, bytes, &why))
        return QString();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        why = QStringLiteral("cannot be read as a picture");
        return QString();
    }
    const bool fits = !frameSize_.isValid() || size == frameSize_;
    if (fits && !decoded)
        return source;
    const QImage picture = reader.read();
    if (picture.isNull()) {
        why = QStringLiteral("cannot be read as a picture: %1").arg(reader.errorString());
        return QString();
    }
    if (fits) {
        *decoded = picture;
        return source;
    }
    QImage fitted(frameSize_, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    const QImage scaled = picture.scaled(frameSize_, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&fitted);
    painter.drawImage((frameSize_.width() - scaled.width()) / 2, (frameSize_.height() - scaled.height()) / 2,
                      scaled);
    painter.end();
    if (decoded) {
        ++fitted_;
        *decoded = fitted;
        return source;
    }
    const QString target = WorkFile(index, QStringLiteral("_fit.bmp"));
    if (target.isEmpty() || !encoders_.Save(fitted, QStringLiteral("BMP"), target, 100)) {
        why = QStringLiteral("cannot write a working file");
        return QString();
    }
    ++fitted_;
    return target;
}

ReductionResult ColourReduction::StartResult(int count) {
    if (!build_)
        BeginBuild();
    ReductionResult result;
    const int first = next_ + 1;
    for (int i = 0; i < count; ++i) {
        result.frames << WorkFile(first + i, QStringLiteral(".gif"));
        result.problems << QString();
    }
    return result;
}

ReductionResult ColourReduction::ReduceByImageEncoder(const QStringList& sources,
                                                      const std::atomic<bool>* stop,
                                                      const std::function<void(int)>& done) {
    ReductionResult result = StartResult(sources.size());
    result.stopped = !ForEachSource(
        sources,
        [&](int i, int index, int) {
            const QString& source = sources[i];
            const QString target = WorkFile(index, QStringLiteral(".gif"));
            QString why;
            const QString prepared = Prepare(source, index, why);
            if (!prepared.isEmpty() &&
                !core::SaveImageAs(encoders_, QStringLiteral("GIF"), prepared, target, 100))
                why = QStringLiteral("cannot be encoded as GIF");
            if (!why.isEmpty())
                qCDebug(lcAnimation) << "no GIF made of" << source << why;
            result.problems[i] = why;
        },
        stop, done);
    if (result.stopped)
        result.error = QStringLiteral("stopped");
    return result;
}

QStringList ColourReduction::ReencodeAsBmp(const QStringList& pictures) {
    QStringList out;
    for (const QString& picture : pictures) {
        const QString target = WorkFile(NextIndex(), QStringLiteral(".bmp"));
        if (!target.isEmpty() && platform::IsRegularFile(picture) &&
            !core::SaveImageAs(encoders_, QStringLiteral("BMP"), picture, target, 100))
            qCDebug(lcAnimation) << "cannot re-encode" << picture;
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
    result = StartResult(sources.size());
    const QString reference = ReferencePicturePath();
    // With the converter's in-memory entry the composite is made, reduced and cropped
    // in memory and only the frame file is written; otherwise the composite goes to
    // the converter as a BMP file and its GIF is cropped. Both give the same frame.
    const bool inMemory = converter_.PixelsFunction() != nullptr;
    QImage referencePicture;
    if (inMemory) {
        // Read once for the whole build, as every composite would read it.
        QImageReader reader(reference);
        reader.setDecideFormatFromContent(true);
        referencePicture = reader.read();
    }
    // Buffers per worker, kept from one source to the next: the frames of a build
    // mostly share one size, and fresh buffers of megabytes cost page faults.
    std::vector<FrameScratch> scratch(static_cast<std::size_t>(FrameWorkers::kMaxThreads));
    result.stopped = !ForEachSource(
        sources,
        [&](int i, int index, int worker) {
            const QString& source = sources[i];
            const QString target = WorkFile(index, QStringLiteral(".gif"));
            QString problem;
            QImage picture;
            const QString prepared = Prepare(source, index, problem, inMemory ? &picture : nullptr);
            if (prepared.isEmpty()) {
                qCDebug(lcAnimation) << "no frame made of" << source << problem;
                result.problems[i] = problem;
                return;
            }
            if (inMemory) {
                if (!ReduceInMemory(picture, referencePicture, target,
                                    scratch[static_cast<std::size_t>(worker)], problem)) {
                    qCDebug(lcAnimation) << "no frame made of" << source << problem;
                    result.problems[i] = problem;
                }
                return;
            }
            const QString composite = WorkFile(index, QStringLiteral("_Tmp.bmp"));
            const int offset = core::ComposeSideBySide(encoders_, composite, prepared, reference,
                                                       QStringLiteral("BMP"), 100);
            if (offset < 0) {
                qCDebug(lcAnimation) << "no composite made of" << source;
                result.problems[i] = QStringLiteral("cannot be read as a picture");
                return;
            }
            converter_.Convert(composite, target);
            QString error;
            if (!CropToPaletteFrame(target, offset, QString(), &error)) {
                qCDebug(lcAnimation) << "no frame cropped from" << target << error;
                result.problems[i] = QStringLiteral("the colour converter made no usable frame");
            }
        },
        stop, done);
    if (result.stopped)
        result.error = QStringLiteral("stopped");
    return result;
}

bool ColourReduction::ReduceInMemory(const QImage& picture, const QImage& reference, const QString& target,
                                     FrameScratch& scratch, QString& why) const {
    // The pixels the composite BMP file would hold: the reference at (0, 0), the
    // picture at (W/2, 0), W + W/2 wide, over white.
    if (!core::SideBySideOverWhite(picture, reference, scratch.composite)) {
        why = QStringLiteral("cannot be read as a picture");
        return false;
    }
    const QImage& composite = scratch.composite;
    std::array<std::uint8_t, PaletteFrameFile::kPaletteSize> palette{};
    if (!converter_.ConvertPixels(composite, palette, scratch.indices)) {
        why = QStringLiteral("the colour converter made no usable frame");
        return false;
    }
    // The frame file is cropped straight out of the converter's indices.
    const int width = composite.width(), height = composite.height();
    const int offset = picture.width() / 2;
    const int keep = width - offset;
    scratch.file.resize(static_cast<qsizetype>(PaletteFrameFile::kPixelOffset) + qsizetype{keep} * height);
    auto* out = reinterpret_cast<std::uint8_t*>(scratch.file.data());
    PaletteFrameFile::WriteHead(out, keep, height, palette.data());
    CropColumns(scratch.indices.data(), width, height, offset, out + PaletteFrameFile::kPixelOffset);
    // A working file of this build only: written plainly, without the flush to disk
    // that a file the user keeps gets.
    QFile file(target);
    if (target.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(scratch.file) != scratch.file.size()) {
        file.remove();
        why = QStringLiteral("cannot write a working file");
        return false;
    }
    return true;
}

void ColourReduction::CropColumns(const std::uint8_t* indices, int width, int height, int skip,
                                  std::uint8_t* out) {
    const int keep = width - skip;
    for (int y = 0; y < height; ++y)
        std::memcpy(out + static_cast<size_t>(y) * keep, indices + static_cast<size_t>(y) * width + skip,
                    static_cast<size_t>(keep));
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
    frame.palette = image.palette;
    frame.width = keep;
    frame.height = image.height;
    frame.pixels.resize(frame.PixelCount());
    CropColumns(image.pixels.data(), image.width, image.height, image.width - keep, frame.pixels.data());
    return frame.Write(output.isEmpty() ? path : output, error);
}

} // namespace vx7::animation
