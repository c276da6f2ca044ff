#include "GifAnimationBuilder.h"
#include "core/LittleEndian.h"

#include "FrameWorkers.h"
#include "GifLzwDecoder.h"
#include "animation/AnimationLog.h"
#include "core/SaveFile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace vx7::animation {
namespace {

void WriteFrameHead(QByteArray& out, int width, int height, int bits, int delay, int transparentIndex,
                    bool interlaced) {
    // Graphic control extension: disposal 1 (leave in place), no user input.
    out.append(char(0x21));
    out.append(char(0xF9));
    out.append(char(0x04));
    out.append(char(transparentIndex >= 0 ? 0x05 : 0x04));
    core::AppendLe16(out, std::clamp(delay, 0, 0xFFFF));
    out.append(static_cast<char>(transparentIndex >= 0 ? transparentIndex & 0xFF : 0));
    out.append(char(0x00));
    // Image descriptor at (0, 0) with a local colour table of 2^bits entries.
    out.append(char(0x2C));
    core::AppendLe16(out, 0);
    core::AppendLe16(out, 0);
    core::AppendLe16(out, width);
    core::AppendLe16(out, height);
    out.append(static_cast<char>(0x80 + (bits - 1) + (interlaced ? 0x40 : 0)));
}

// Runs one build: opens output under a temporary name, calls frame(path, chunk,
// &width, &height) for each path (true when the frame was appended to chunk), puts
// the header before the first written frame and commits when at least one was.
GifBuildResult RunBuild(const QStringList& paths, const QString& output, QByteArray& chunk,
                        const std::function<bool(const QString&, QByteArray&, int&, int&, QString&)>& frame) {
    GifBuildResult result;
    bool opened = false;
    const bool saved = core::SaveWholeFileWith(output, [&](QIODevice& file, QString*) {
        opened = true;
        for (const QString& path : paths) {
            chunk.clear();
            int width = 0, height = 0;
            QString why;
            if (!frame(path, chunk, width, height, why)) {
                result.skipped.append(path + QStringLiteral(": ") + why);
                qCDebug(lcAnimation) << "frame left out:" << path << why;
                continue;
            }
            if (result.framesWritten == 0) {
                QByteArray header;
                GifAnimationBuilder::WriteGifHeader(header, width, height, GifAnimationBuilder::kBits);
                chunk.prepend(header);
            }
            if (file.write(chunk) != chunk.size()) {
                result.error = QStringLiteral("cannot write %1").arg(output);
                return false;
            }
            ++result.framesWritten;
        }
        if (result.framesWritten == 0) {
            result.error = paths.isEmpty()
                               ? QStringLiteral("no frame files given")
                               : QStringLiteral("none of the %1 frame files is usable").arg(paths.size());
            return false;
        }
        QByteArray trailer;
        GifAnimationBuilder::WriteTrailer(trailer);
        return file.write(trailer) == trailer.size();
    });
    if (!saved) {
        if (!opened)
            result.error = QStringLiteral("cannot create %1").arg(output);
        else if (result.error.isEmpty())
            result.error = QStringLiteral("cannot write %1").arg(output);
        result.framesWritten = 0;
    }
    return result;
}

} // namespace

void GifAnimationBuilder::WriteGifHeader(QByteArray& out, int width, int height, int bits) {
    out.append("GIF89a", 6);
    core::AppendLe16(out, width);
    core::AppendLe16(out, height);
    out.append(static_cast<char>(((bits + 15) * 16) % 256)); // 0x70 for 8 bits: no global table
    out.append(char(0x00));                                  // background colour index
    out.append(char(0x00));                                  // pixel aspect ratio
    static const char kLoop[19] = {0x21, char(0xFF), 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                                   'E',  '2',        '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
    out.append(kLoop, sizeof kLoop);
}

void GifAnimationBuilder::WriteCodedFrame(QByteArray& out, const std::uint8_t* pixels,
                                          const std::uint8_t* palette, int width, int height, int bits,
                                          int delay, int transparentIndex) {
    WriteCodedFrame(out, encoder_, pixels, palette, width, height, bits, delay, transparentIndex);
}

void GifAnimationBuilder::WriteCodedFrame(QByteArray& out, GifLzwEncoder& encoder, const std::uint8_t* pixels,
                                          const std::uint8_t* palette, int width, int height, int bits,
                                          int delay, int transparentIndex) {
    WriteFrameHead(out, width, height, bits, delay, transparentIndex, false);
    out.append(reinterpret_cast<const char*>(palette), 3 << bits);
    out.append(static_cast<char>(bits));
    encoder.Encode(pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height), bits, out);
}

void GifAnimationBuilder::CopyGifFrame(QByteArray& out, const std::uint8_t* data, std::size_t dataLength,
                                       const std::uint8_t* palette, int width, int height, int bits,
                                       int delay, int transparentIndex, bool interlaced) {
    WriteFrameHead(out, width, height, bits, delay, transparentIndex, interlaced);
    out.append(reinterpret_cast<const char*>(palette), 3 << bits);
    out.append(static_cast<char>(bits));
    out.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(dataLength));
}

int GifAnimationBuilder::DelayFromSeconds(double seconds) {
    if (!(seconds > 0))
        return 0;
    // A tiny allowance so that intervals such as 0.29 s (28.999… × 100) give 29.
    const double hundredths = std::floor(seconds * 100.0 + 1e-7);
    return hundredths > 0xFFFF ? 0xFFFF : static_cast<int>(hundredths);
}

bool GifAnimationBuilder::ReadSourceGif(const QString& path, SourceFrame& frame, QString& why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot be opened");
        return false;
    }
    if (file.size() > kMaxSourceBytes) {
        why = QStringLiteral("larger than 64 MiB");
        return false;
    }
    fileImage_ = file.readAll();
    const ByteSpan data = AsBytes(fileImage_);
    GifBlockWalker walker(data);
    if (!walker.IsGif()) {
        why = QStringLiteral("not a GIF file");
        return false;
    }
    std::optional<GifBlock> image;
    while (const auto block = walker.Next()) {
        if (block->kind == GifBlockKind::Image) {
            image = block;
            break;
        }
    }
    if (!image) {
        why = QStringLiteral("no complete image");
        return false;
    }
    const GifImageDescriptor d = GifBlockWalker::ReadImage(data, *image);
    const int screenWidth = core::ReadLe16(data.data(), 6), screenHeight = core::ReadLe16(data.data(), 8);
    if (d.width < 1 || d.height < 1 || d.width > kMaxSide || d.height > kMaxSide ||
        d.left + d.width > screenWidth || d.top + d.height > screenHeight) {
        why = QStringLiteral("image size %1 x %2 at %3,%4 unusable")
                  .arg(d.width)
                  .arg(d.height)
                  .arg(d.left)
                  .arg(d.top);
        return false;
    }
    if (data[d.codeSizePosition] != kBits) {
        why = QStringLiteral("coded with minimum code size %1, not 8").arg(data[d.codeSizePosition]);
        return false;
    }
    // The image's own colour table when it has one, else the global table; a shorter
    // table is padded with black, as its indices never reach past it.
    frame.palette.fill(0);
    const std::uint8_t packed = data[10];
    if (d.localTableEntries > 0) {
        std::memcpy(frame.palette.data(), data.data() + d.tablePosition,
                    3u * static_cast<std::size_t>(d.localTableEntries));
    } else if (packed & 0x80) {
        std::memcpy(frame.palette.data(), data.data() + GifBlockWalker::kHeaderSize,
                    3u * (2u << (packed & 7)));
    } else {
        why = QStringLiteral("no colour table");
        return false;
    }
    // The data is copied without recoding; decode it once so that a damaged stream
    // never reaches the animation.
    std::vector<std::uint8_t> joined;
    joined.reserve(d.dataLength);
    for (std::size_t p = d.dataPosition; data[p] != 0; p += data[p] + 1u)
        joined.insert(joined.end(), data.begin() + static_cast<std::ptrdiff_t>(p + 1),
                      data.begin() + static_cast<std::ptrdiff_t>(p + 1 + data[p]));
    const std::size_t count = static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height);
    check_.resize(count);
    std::size_t written = 0;
    if (GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size()), kBits, check_.data(), count,
                              &written) != GifLzwDecoder::Status::Complete) {
        why = QStringLiteral("damaged image data");
        return false;
    }
    frame.width = d.width;
    frame.height = d.height;
    frame.interlaced = d.interlaced;
    frame.dataPosition = d.dataPosition;
    frame.dataLength = d.dataLength;
    return true;
}

GifBuildResult GifAnimationBuilder::BuildFromGifFiles(const QStringList& paths, const QString& output,
                                                      int delay) {
    return RunBuild(
        paths, output, chunk_, [&](const QString& path, QByteArray& chunk, int& w, int& h, QString& why) {
            SourceFrame source;
            if (!ReadSourceGif(path, source, why))
                return false;
            w = source.width;
            h = source.height;
            CopyGifFrame(chunk,
                         reinterpret_cast<const std::uint8_t*>(fileImage_.constData()) + source.dataPosition,
                         source.dataLength, source.palette.data(), source.width, source.height, kBits, delay,
                         -1, source.interlaced);
            return true;
        });
}

void GifAnimationBuilder::SetThreads(int threads) {
    threads_ = std::clamp(threads, 1, FrameWorkers::kMaxThreads);
}

GifBuildResult GifAnimationBuilder::BuildFromPaletteFrames(const QStringList& paths, const QString& output,
                                                           int delay, const std::atomic<bool>* stop) {
    // Every frame is read and coded into a chunk of its own, on the worker threads;
    // the chunks are then written in list order, so the file is the same whatever
    // the number of threads. Worker 0 uses the builder's own buffers.
    struct Coded {
        QByteArray chunk;
        int width = 0, height = 0;
        QString why;
        bool ok = false;
    };
    const int count = static_cast<int>(paths.size());
    std::vector<Coded> coded(static_cast<std::size_t>(count));
    const FrameWorkers workers(std::min(threads_, std::max(count, 1)));
    while (static_cast<int>(extraEncoders_.size()) < workers.Threads() - 1)
        extraEncoders_.push_back(std::make_unique<GifLzwEncoder>());
    std::vector<PaletteFrameFile> extraFrames(static_cast<std::size_t>(workers.Threads() - 1));
    const bool complete = workers.Run(
        count,
        [&](int item, int worker) {
            PaletteFrameFile& frame =
                worker == 0 ? frame_ : extraFrames[static_cast<std::size_t>(worker - 1)];
            GifLzwEncoder& encoder =
                worker == 0 ? encoder_ : *extraEncoders_[static_cast<std::size_t>(worker - 1)];
            Coded& c = coded[static_cast<std::size_t>(item)];
            if (!frame.Read(paths[item], &c.why))
                return;
            c.width = frame.width;
            c.height = frame.height;
            WriteCodedFrame(c.chunk, encoder, frame.pixels.data(), frame.palette.data(), frame.width,
                            frame.height, kBits, delay, -1);
            c.ok = true;
        },
        stop);
    if (!complete) {
        GifBuildResult result;
        result.error = QStringLiteral("stopped before %1 was written").arg(output);
        return result;
    }
    int next = 0;
    return RunBuild(paths, output, chunk_,
                    [&](const QString&, QByteArray& chunk, int& w, int& h, QString& why) {
                        Coded& c = coded[static_cast<std::size_t>(next++)];
                        if (!c.ok) {
                            why = c.why;
                            return false;
                        }
                        w = c.width;
                        h = c.height;
                        chunk = std::move(c.chunk);
                        return true;
                    });
}

} // namespace vx7::animation
