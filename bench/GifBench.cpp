// GIF engine against its peers on the same frames:
//   LzwEncode/<input>/ours|giflib          coding palettised frames (EGifPutLine)
//   Quantise/<input>/ours|libimagequant|imagemagick   256 colours, no dithering; PSNR counter in dB
//   GifDecode/<input>/ours|giflib          decoding every image of a GIF (DGifSlurp)
//   Quantise/<photo>-640x480/ours|libimagequant|imagemagick   real photographs (ours as mode 0 runs it)
//   Quantise/<photo>-640x480/ours-unrefined   ours without k-means steps and pixel pass
//   Quantise/<photo>-640x480/libimagequant-<n>   libimagequant with the n entries ours has free beside
//                                          the reference colours
//   Quantise/<photo>-1280x720/ours   the same as HD frames
//   MakeGif/anim16-1280x720/mode0|mode1/one-thread|pool   16 PNG pictures to an animated GIF, whole path
//   MakeGif/anim16-1280x720/mode0/files-one-thread|files-pool   the same through the converter's file entry
//   MakeGif/burst16-1280x720-bmp/mode0/one-thread|pool   16 BMP pictures, as a burst saves them by default
//   GifBuild/photos7-640x480/vx7tool|imagemagick   seven photographs to a GIF, as processes
// Inputs: photo-like, gradient and noise pictures at 640x480 and 1280x720, and a
// 16-frame photo-like animation at both sizes. Pixels per second are items_per_second.
#include "animation/gif/GifAnimationBuilder.h"
#include "animation/gif/GifImageEncoder.h"
#include "animation/gif/GifIndexedReader.h"
#include "animation/gif/GifLzwEncoder.h"
#include "animation/reduction/ColourReduction.h"
#include "animation/reduction/GifMaker.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "animation/reduction/ReferencePicture.h"
#include "converter/PaletteQuantiser.h"
#include "core/ImageFiles.h"
#include "core/InstallLayout.h"
#include "platform/Prompt.h"
#include "tests/animation/GifTestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <libimagequant.h>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

using vx7::converter::PaletteQuantiser;
using vx7::converter::QuantisedPicture;

QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 255 - (x + y) * 255 / (w + h - 2));
    }
    return image;
}

QImage Noise(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::uint32_t s = 12345;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            line[x] = 0xFF000000u | (s & 0xFFFFFF);
        }
    }
    return image;
}

// The test suite's photo-like picture with sensor noise of its own in every channel,
// as a webcam gives in indoor light.
QImage Photo(int w, int h, unsigned seed) {
    QImage image = vx7::test::PhotoLikePicture(w, h, seed);
    std::uint32_t s = 0x9E3779B9u * (seed + 1);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int c[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            for (int& v : c) {
                s ^= s << 13;
                s ^= s >> 17;
                s ^= s << 5;
                v = std::clamp(v + static_cast<int>(s % 13) - 6, 0, 255);
            }
            line[x] = qRgb(c[0], c[1], c[2]);
        }
    }
    return image;
}

struct Input {
    std::vector<QImage> frames; // one, or 16 for the animation
};

const Input& GetInput(const std::string& name, int w, int h) {
    static std::map<std::string, Input> cache;
    const std::string key = name + std::to_string(w) + "x" + std::to_string(h);
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    Input in;
    if (name == "photo")
        in.frames.push_back(Photo(w, h, 1));
    else if (name == "gradient")
        in.frames.push_back(Gradient(w, h));
    else if (name == "noise")
        in.frames.push_back(Noise(w, h));
    else
        for (unsigned i = 0; i < 16; ++i)
            in.frames.push_back(Photo(w, h, 100 + i));
    return cache.emplace(key, std::move(in)).first->second;
}

const std::uint32_t* Bits(const QImage& image) {
    return reinterpret_cast<const std::uint32_t*>(image.constBits());
}

// The palettised frames every coder is given: our quantiser's output.
const std::vector<QuantisedPicture>& Palettised(const std::string& name, int w, int h) {
    static std::map<std::string, std::vector<QuantisedPicture>> cache;
    const std::string key = name + std::to_string(w) + "x" + std::to_string(h);
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    std::vector<QuantisedPicture> out;
    PaletteQuantiser q;
    for (const QImage& f : GetInput(name, w, h).frames)
        out.push_back(q.Quantise(Bits(f), f.width(), f.height(), f.width()));
    return cache.emplace(key, std::move(out)).first->second;
}

std::int64_t PixelCount(const std::vector<QuantisedPicture>& frames) {
    std::int64_t n = 0;
    for (const auto& f : frames)
        n += std::int64_t{f.width} * f.height;
    return n;
}

int WriteToString(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
    return length;
}

// ---- LZW encoding -----------------------------------------------------------------

void LzwOurs(benchmark::State& state, std::string name, int w, int h) {
    const auto& frames = Palettised(name, w, h);
    vx7::animation::GifLzwEncoder encoder;
    QByteArray out;
    for (auto _ : state) {
        out.clear();
        for (const auto& f : frames)
            encoder.Encode(f.indices.data(), f.indices.size(), 8, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * PixelCount(frames));
    state.counters["bytes"] = static_cast<double>(out.size());
}

void LzwGiflib(benchmark::State& state, std::string name, int w, int h) {
    const auto& frames = Palettised(name, w, h);
    std::string out;
    for (auto _ : state) {
        out.clear();
        int error = 0;
        GifFileType* gif = EGifOpen(&out, WriteToString, &error);
        EGifSetGifVersion(gif, true);
        ColorMapObject* map = GifMakeMapObject(256, nullptr);
        EGifPutScreenDesc(gif, w, h, 8, 0, nullptr);
        for (const auto& f : frames) {
            EGifPutImageDesc(gif, 0, 0, f.width, f.height, false, map);
            EGifPutLine(gif, const_cast<GifPixelType*>(f.indices.data()), static_cast<int>(f.indices.size()));
        }
        GifFreeMapObject(map);
        EGifCloseFile(gif, &error);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * PixelCount(frames));
    state.counters["bytes"] = static_cast<double>(out.size());
}

// ---- Quantising -------------------------------------------------------------------

// A 24-bit digest of a result's palette and indices, to show that a change to the
// quantiser leaves its output as it was.
double Digest(const QuantisedPicture& result) {
    std::uint32_t h = 2166136261u;
    auto add = [&](std::uint8_t v) { h = (h ^ v) * 16777619u; };
    for (int i = 0; i < 3 * result.colours; ++i)
        add(result.palette[static_cast<std::size_t>(i)]);
    for (std::uint8_t v : result.indices)
        add(v);
    return static_cast<double>(h & 0xFFFFFF);
}

double PsnrOfRgb(const QImage& original, const std::uint8_t* rgb) {
    double sum = 0;
    for (int y = 0; y < original.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(original.constScanLine(y));
        for (int x = 0; x < original.width(); ++x, rgb += 3) {
            const int dr = qRed(line[x]) - rgb[0], dg = qGreen(line[x]) - rgb[1],
                      db = qBlue(line[x]) - rgb[2];
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * original.width() * original.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

void QuantiseOurs(benchmark::State& state, std::string name, int w, int h) {
    const QImage& picture = GetInput(name, w, h).frames.front();
    PaletteQuantiser q;
    QuantisedPicture result;
    for (auto _ : state) {
        result = q.Quantise(Bits(picture), w, h, w);
        benchmark::DoNotOptimize(result.indices.data());
    }
    state.SetItemsProcessed(state.iterations() * w * h);
    state.counters["PSNR"] = PaletteQuantiser::Psnr(Bits(picture), w, result);
    state.counters["Digest"] = Digest(result);
}

void QuantiseLiqOn(benchmark::State& state, const QImage& original, int maxColours = 256) {
    const int w = original.width(), h = original.height();
    const QImage picture = original.convertToFormat(QImage::Format_RGBA8888);
    std::vector<std::uint8_t> indices(static_cast<size_t>(w) * h);
    std::vector<std::uint8_t> rgb(indices.size() * 3);
    for (auto _ : state) {
        liq_attr* attr = liq_attr_create();
        liq_set_speed(attr, 3);
        liq_set_max_colors(attr, maxColours);
        liq_image* image = liq_image_create_rgba(attr, picture.constBits(), w, h, 0);
        liq_result* result = liq_quantize_image(attr, image);
        liq_set_dithering_level(result, 0);
        liq_write_remapped_image(result, image, indices.data(), indices.size());
        const liq_palette* palette = liq_get_palette(result);
        state.PauseTiming();
        for (size_t i = 0; i < indices.size(); ++i) {
            rgb[3 * i] = palette->entries[indices[i]].r;
            rgb[3 * i + 1] = palette->entries[indices[i]].g;
            rgb[3 * i + 2] = palette->entries[indices[i]].b;
        }
        state.ResumeTiming();
        liq_result_destroy(result);
        liq_image_destroy(image);
        liq_attr_destroy(attr);
    }
    state.SetItemsProcessed(state.iterations() * w * h);
    state.counters["PSNR"] = PsnrOfRgb(original, rgb.data());
}

void QuantiseLiq(benchmark::State& state, std::string name, int w, int h) {
    QuantiseLiqOn(state, GetInput(name, w, h).frames.front());
}

// ImageMagick as a separate process on PPM files (its time includes starting the
// process and reading and writing the files).
void QuantiseMagickOn(benchmark::State& state, const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    const QString convert = QFile::exists("/usr/bin/convert") ? QStringLiteral("/usr/bin/convert")
                                                              : QStandardPaths::findExecutable("convert");
    QTemporaryDir dir;
    const QString in = dir.filePath("in.ppm"), out = dir.filePath("out.ppm");
    picture.convertToFormat(QImage::Format_RGB888).save(in, "PPM");
    for (auto _ : state) {
        QProcess p;
        // +dither must come before -colors: an operator takes the settings given before it.
        p.start(convert, {in, "+dither", "-colors", "256", out});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError("ImageMagick convert failed");
            return;
        }
    }
    const QImage back = QImage(out).convertToFormat(QImage::Format_RGB888);
    if (back.size() != picture.size()) {
        state.SkipWithError("ImageMagick output unreadable");
        return;
    }
    std::vector<std::uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        std::memcpy(rgb.data() + static_cast<size_t>(y) * w * 3, back.constScanLine(y),
                    static_cast<size_t>(w) * 3);
    state.SetItemsProcessed(state.iterations() * w * h);
    state.counters["PSNR"] = PsnrOfRgb(picture, rgb.data());
}

void QuantiseMagick(benchmark::State& state, std::string name, int w, int h) {
    QuantiseMagickOn(state, GetInput(name, w, h).frames.front());
}

// ---- Real photographs ---------------------------------------------------------------

// Photographs by others, shipped by the python3-skimage package (see
// scripts/install-deps): a person, a cat, food, two vehicles, the deep sky and a
// retina. Each is scaled to cover 640 x 480 and cut to it at run time.
const char* const kPhotoFolder = "/usr/lib/python3/dist-packages/skimage/data/";
const char* const kPhotos[] = {"astronaut.png", "chelsea.png",           "coffee.png", "motorcycle_left.png",
                               "rocket.jpg",    "hubble_deep_field.jpg", "retina.jpg"};

QImage RealPhoto(const std::string& file, int w = 640, int h = 480) {
    static std::map<std::string, QImage> cache;
    const std::string key = file + std::to_string(w) + "x" + std::to_string(h);
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    const QImage original(QString::fromStdString(kPhotoFolder + file));
    QImage photo;
    if (!original.isNull()) {
        const QImage scaled = original.convertToFormat(QImage::Format_RGB32)
                                  .scaled(w, h, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        photo = scaled.copy((scaled.width() - w) / 2, (scaled.height() - h) / 2, w, h);
    }
    return cache.emplace(key, photo).first->second;
}

std::string PhotoName(const std::string& file) {
    return file.substr(0, file.find('.'));
}

// The photo to the right of the reference picture on white, as mode 0 lays them out.
QImage PhotoComposite(const QImage& photo) {
    const int w = photo.width(), h = photo.height(), offset = w / 2;
    QImage composite(w + offset, h, QImage::Format_RGB32);
    composite.fill(Qt::white);
    {
        QPainter painter(&composite); // ends before the picture is handed out
        painter.drawImage(0, 0, vx7::animation::ReferencePicture::Make());
        painter.drawImage(offset, 0, photo);
    }
    return composite;
}

// Palette entries the photo has to itself in mode 0: each reference colour keeps
// one, and so does the white around the strip (white is one of them).
int FreeEntriesBesideReference() {
    std::vector<QRgb> colours(vx7::animation::ReferencePicture::Colours());
    colours.push_back(qRgb(255, 255, 255));
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return 256 - static_cast<int>(colours.size());
}

// Ours as the "高质流行色" mode runs it: the converter's options on the composite of
// the reference picture and the photo; PSNR over the photo part only. Without
// refinement (no k-means step, no pixel pass) it shows what the histogram, the
// seeding and the exact mapping alone cost.
void QuantisePhotoOurs(benchmark::State& state, std::string file, int width, int height, bool refine) {
    const QImage photo = RealPhoto(file, width, height);
    if (photo.isNull()) {
        state.SkipWithError("photo missing: install python3-skimage");
        return;
    }
    const int w = photo.width(), h = photo.height(), offset = w / 2;
    const QImage composite = PhotoComposite(photo);
    PaletteQuantiser q;
    PaletteQuantiser::Options options;
    options.keepFlatColours = true;
    options.passes = refine ? 4 : 0; // 4: the converter's request (quality 50)
    options.pixelPasses = refine ? 1 : 0;
    QuantisedPicture result;
    for (auto _ : state) {
        result = q.Quantise(Bits(composite), composite.width(), h, composite.width(), options);
        benchmark::DoNotOptimize(result.indices.data());
    }
    std::vector<std::uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = 3u * result.indices[static_cast<size_t>(y) * composite.width() + offset + x];
            std::memcpy(&rgb[(static_cast<size_t>(y) * w + x) * 3], &result.palette[i], 3);
        }
    state.SetItemsProcessed(state.iterations() * w * h);
    state.counters["PSNR"] = PsnrOfRgb(photo, rgb.data());
    state.counters["Digest"] = Digest(result);
    // The mode promises every reference colour a palette entry of its own.
    int kept = 0;
    for (QRgb c : vx7::animation::ReferencePicture::Colours())
        for (int e = 0; e < result.colours; ++e)
            if (qRgb(result.palette[3 * e], result.palette[3 * e + 1], result.palette[3 * e + 2]) == c) {
                ++kept;
                break;
            }
    state.counters["ReferenceKept"] = kept;
}

// ---- Decoding ---------------------------------------------------------------------

const QByteArray& EncodedGif(const std::string& name, int w, int h) {
    static std::map<std::string, QByteArray> cache;
    const std::string key = name + std::to_string(w) + "x" + std::to_string(h);
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    vx7::animation::GifAnimationBuilder builder;
    QByteArray gif;
    bool first = true;
    for (const auto& f : Palettised(name, w, h)) {
        if (first)
            vx7::animation::GifAnimationBuilder::WriteGifHeader(gif, f.width, f.height, 8);
        first = false;
        builder.WriteCodedFrame(gif, f.indices.data(), f.palette.data(), f.width, f.height, 8, 10, -1);
    }
    vx7::animation::GifAnimationBuilder::WriteTrailer(gif);
    return cache.emplace(key, gif).first->second;
}

void DecodeOurs(benchmark::State& state, std::string name, int w, int h) {
    const QByteArray& gif = EncodedGif(name, w, h);
    vx7::animation::GifIndexedReader reader;
    std::int64_t pixels = 0;
    for (auto _ : state) {
        pixels = 0;
        reader.ReadAll(vx7::animation::AsBytes(gif), [&](const vx7::animation::GifIndexedImage& image) {
            pixels += std::int64_t{image.width} * image.height;
            benchmark::DoNotOptimize(image.pixels.data());
        });
    }
    state.SetItemsProcessed(state.iterations() * pixels);
}

struct ReadState {
    const QByteArray* data;
    qsizetype position;
};

int ReadFromArray(GifFileType* gif, GifByteType* bytes, int length) {
    auto* s = static_cast<ReadState*>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(length, s->data->size() - s->position);
    std::memcpy(bytes, s->data->constData() + s->position, static_cast<size_t>(n));
    s->position += n;
    return static_cast<int>(n);
}

void DecodeGiflib(benchmark::State& state, std::string name, int w, int h) {
    const QByteArray& gif = EncodedGif(name, w, h);
    std::int64_t pixels = 0;
    for (auto _ : state) {
        ReadState rs{&gif, 0};
        int error = 0;
        GifFileType* file = DGifOpen(&rs, ReadFromArray, &error);
        DGifSlurp(file);
        pixels = 0;
        for (int i = 0; i < file->ImageCount; ++i)
            pixels +=
                std::int64_t{file->SavedImages[i].ImageDesc.Width} * file->SavedImages[i].ImageDesc.Height;
        DGifCloseFile(file, &error);
    }
    state.SetItemsProcessed(state.iterations() * pixels);
}

// ---- The whole making path ---------------------------------------------------------

class SilentPrompt final : public vx7::platform::Prompt {
  public:
    void Message(const QString&, const QString&) override {}
    bool Ask(const QString&, const QString&) override { return false; }
};

// CPU time of the whole process (every thread), in ms.
double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// CPU time of the finished child processes, in ms.
double ChildrenCpuMs() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    auto ms = [](const timeval& v) {
        return static_cast<double>(v.tv_sec) * 1e3 + static_cast<double>(v.tv_usec) / 1e3;
    };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// 16 photo-like pictures (PNG or BMP files) through reduction (mode 0: composite,
// converter, crop; mode 1: the GIF encoder) and the builder, as the camera station's
// GIF button does. threads: how many frames are reduced and coded side by side (0:
// the default pool). filesOnly: mode 0 through the converter's file entry (composite
// BMP, converter GIF, crop) instead of its in-memory entry. The counter cpu_ms is the
// CPU time of every thread per build.
void MakeGif(benchmark::State& state, int mode, int w, int h, int threads, const char* format,
             bool filesOnly) {
    QTemporaryDir home;
    namespace layout = vx7::core::layout;
    QDir(home.path()).mkpath(layout::WorkFolder());
    QDir(home.path()).mkpath(layout::SystemPictureFolder());
    vx7::animation::ReferencePicture::Write(
        home.filePath(layout::SystemPictureFolder() + '/' + vx7::animation::ReferencePicture::FileName()));
    QStringList pictures;
    for (int i = 0; i < 16; ++i) {
        pictures << home.filePath(QStringLiteral("shot%1.%2").arg(i).arg(QLatin1String(format)));
        Photo(w, h, 200 + static_cast<unsigned>(i)).save(pictures.back());
    }
    vx7::core::EncoderRegistry encoders;
    vx7::animation::RegisterGifEncoder(encoders);
    vx7::animation::ImageConverterLibrary converter;
    converter.SetFilesOnly(filesOnly);
    SilentPrompt prompt;
    vx7::animation::ColourReduction reduction(home.path(), encoders, converter, prompt);
    vx7::animation::GifAnimationBuilder builder;
    if (threads > 0) {
        reduction.SetThreads(threads);
        builder.SetThreads(threads);
    }
    vx7::animation::GifMaker maker(reduction, builder);
    double cpu = 0;
    for (auto _ : state) {
        const double before = ProcessCpuMs();
        const auto r = maker.Make(pictures, mode, 150, home.filePath("out.gif"));
        cpu += ProcessCpuMs() - before;
        if (!r.Ok() || r.framesWritten != 16) {
            state.SkipWithError("build failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * 16);
    state.counters["bytes"] = static_cast<double>(QFileInfo(home.filePath("out.gif")).size());
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
}

// The seven photographs to an animated GIF by the command-line tool (mode 0, the
// default) and by ImageMagick's convert, both as processes on the same PNG files;
// the counter is the mean PSNR of the GIF's frames against the photographs.
double MeanFramePsnr(const QString& gif, const std::vector<QImage>& photos) {
    QImageReader reader(gif);
    double sum = 0;
    for (const QImage& photo : photos) {
        const QImage frame = reader.read().convertToFormat(QImage::Format_RGB888);
        if (frame.size() != photo.size())
            return 0;
        std::vector<std::uint8_t> rgb(static_cast<size_t>(photo.width()) * photo.height() * 3);
        for (int y = 0; y < photo.height(); ++y)
            std::memcpy(rgb.data() + static_cast<size_t>(y) * photo.width() * 3, frame.constScanLine(y),
                        static_cast<size_t>(photo.width()) * 3);
        sum += PsnrOfRgb(photo, rgb.data());
    }
    return sum / static_cast<double>(photos.size());
}

void PhotoGifBuild(benchmark::State& state, bool ours) {
    QTemporaryDir dir;
    std::vector<QImage> photos;
    QStringList files;
    for (const char* file : kPhotos) {
        photos.push_back(RealPhoto(file));
        if (photos.back().isNull()) {
            state.SkipWithError("photo missing: install python3-skimage");
            return;
        }
        files << dir.filePath(QString::fromStdString(PhotoName(file)) + QStringLiteral(".png"));
        photos.back().save(files.back());
    }
    const QString output = dir.filePath("out.gif");
    const QString program = ours ? QCoreApplication::applicationDirPath() + QStringLiteral("/vx7tool")
                                 : QStandardPaths::findExecutable("convert");
    QStringList args;
    if (ours)
        args << "gif"
             << "build"
             << "--interval"
             << "0.5"
             << "-o" << output << files;
    else
        args << "-delay"
             << "50" << files << "+dither"
             << "-colors"
             << "256" << output;
    double cpu = 0;
    for (auto _ : state) {
        const double before = ChildrenCpuMs();
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            state.SkipWithError("GIF build failed");
            return;
        }
        cpu += ChildrenCpuMs() - before;
    }
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
    state.counters["PSNR"] = MeanFramePsnr(output, photos);
    state.counters["bytes"] = static_cast<double>(QFileInfo(output).size());
}

// ---- Registration -----------------------------------------------------------------

const int registered = [] {
    const struct { int w, h; } sizes[] = {{640, 480}, {1280, 720}};
    for (const auto& s : sizes) {
        for (const std::string name : {"photo", "gradient", "noise", "anim16"}) {
            const std::string input = name + "-" + std::to_string(s.w) + "x" + std::to_string(s.h);
            benchmark::RegisterBenchmark(("LzwEncode/" + input + "/ours").c_str(), LzwOurs, name, s.w, s.h)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("LzwEncode/" + input + "/giflib").c_str(), LzwGiflib, name, s.w,
                                         s.h)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("GifDecode/" + input + "/ours").c_str(), DecodeOurs, name, s.w, s.h)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("GifDecode/" + input + "/giflib").c_str(), DecodeGiflib, name, s.w,
                                         s.h)
                ->Unit(benchmark::kMillisecond);
            if (name == "anim16")
                continue;
            // Wall-clock time: libimagequant works on several threads and ImageMagick
            // in a process of its own.
            benchmark::RegisterBenchmark(("Quantise/" + input + "/ours").c_str(), QuantiseOurs, name, s.w,
                                         s.h)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark(("Quantise/" + input + "/libimagequant").c_str(), QuantiseLiq, name,
                                         s.w, s.h)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark(("Quantise/" + input + "/imagemagick").c_str(), QuantiseMagick, name,
                                         s.w, s.h)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3)
                ->UseRealTime();
        }
    }
    struct MakeCase {
        const char* input;
        int mode;
        const char* format;
        bool filesOnly;
    };
    for (const MakeCase c :
         {MakeCase{"anim16-1280x720", 0, "png", false}, MakeCase{"anim16-1280x720", 0, "png", true},
          MakeCase{"burst16-1280x720-bmp", 0, "bmp", false}, MakeCase{"anim16-1280x720", 1, "png", false}})
        for (int threads : {1, 0})
            benchmark::RegisterBenchmark((std::string("MakeGif/") + c.input + "/mode" +
                                          std::to_string(c.mode) + (c.filesOnly ? "/files-" : "/") +
                                          (threads == 1 ? "one-thread" : "pool"))
                                             .c_str(),
                                         MakeGif, c.mode, 1280, 720, threads, c.format, c.filesOnly)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(2)
                ->UseRealTime();
    for (const char* file : kPhotos) {
        const std::string input = "Quantise/" + PhotoName(file) + "-640x480/";
        for (bool refine : {true, false})
            benchmark::RegisterBenchmark((input + (refine ? "ours" : "ours-unrefined")).c_str(),
                                         QuantisePhotoOurs, std::string(file), 640, 480, refine)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        // libimagequant runs on both cores: its CPU time is the whole process's. With
        // as many entries as ours has free beside the reference colours, it shows
        // what those entries alone are worth.
        for (int entries : {256, FreeEntriesBesideReference()})
            benchmark::RegisterBenchmark(
                (input + "libimagequant" + (entries == 256 ? "" : "-" + std::to_string(entries))).c_str(),
                [](benchmark::State& state, std::string f, int n) {
                    if (RealPhoto(f).isNull())
                        state.SkipWithError("photo missing: install python3-skimage");
                    else
                        QuantiseLiqOn(state, RealPhoto(f), n);
                },
                std::string(file), entries)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        benchmark::RegisterBenchmark((input + "imagemagick").c_str(),
                                     [](benchmark::State& state, std::string f) {
                                         if (RealPhoto(f).isNull())
                                             state.SkipWithError("photo missing: install python3-skimage");
                                         else
                                             QuantiseMagickOn(state, RealPhoto(f));
                                     },
                                     std::string(file))
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    }
    // The same photographs as the frames of an HD burst (composite 1920 x 720).
    for (const char* file : kPhotos)
        benchmark::RegisterBenchmark(("Quantise/" + PhotoName(file) + "-1280x720/ours").c_str(),
                                     QuantisePhotoOurs, std::string(file), 1280, 720, true)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
    for (bool ours : {true, false})
        benchmark::RegisterBenchmark(ours ? "GifBuild/photos7-640x480/vx7tool"
                                          : "GifBuild/photos7-640x480/imagemagick",
                                     PhotoGifBuild, ours)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->UseRealTime();
    return 0;
}();

} // namespace
