#include "GifTestFiles.h"

#include <gif_lib.h>

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vx7::test {
namespace {

int WriteToArray(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
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

ColorMapObject* MakeMap(const std::vector<QRgb>& palette) {
    if (palette.empty())
        return nullptr;
    int size = 2;
    while (size < static_cast<int>(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<size_t>(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
                                  static_cast<GifByteType>(qGreen(palette[i])),
                                  static_cast<GifByteType>(qBlue(palette[i]))};
    return GifMakeMapObject(size, colours.data());
}

std::vector<QRgb> FromMap(const ColorMapObject* map) {
    std::vector<QRgb> out;
    if (!map)
        return out;
    for (int i = 0; i < map->ColorCount; ++i)
        out.push_back(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    return out;
}

} // namespace

QByteArray WriteGifWithGiflib(int screenWidth, int screenHeight, const std::vector<QRgb>& globalPalette,
                              int backgroundIndex, const std::vector<GiflibFrame>& frames) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToArray, &error);
    if (!gif)
        return QByteArray();
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = MakeMap(globalPalette);
    EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, backgroundIndex, global);
    GifFreeMapObject(global);
    for (const GiflibFrame& f : frames) {
        if (f.delay >= 0) {
            GraphicsControlBlock gcb;
            gcb.DisposalMode = f.disposal;
            gcb.UserInputFlag = false;
            gcb.DelayTime = f.delay;
            gcb.TransparentColor = f.transparentIndex;
            GifByteType ext[4];
            const size_t n = EGifGCBToExtension(&gcb, ext);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
        }
        ColorMapObject* local = MakeMap(f.localPalette);
        EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local);
        GifFreeMapObject(local);
        std::vector<GifPixelType> row(static_cast<size_t>(f.width));
        auto putRow = [&](int y) {
            std::copy_n(f.indices.begin() + static_cast<ptrdiff_t>(y) * f.width, f.width, row.begin());
            EGifPutLine(gif, row.data(), f.width);
        };
        if (f.interlaced) {
            const int offsets[4] = {0, 4, 2, 1}, jumps[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = offsets[pass]; y < f.height; y += jumps[pass])
                    putRow(y);
        } else {
            for (int y = 0; y < f.height; ++y)
                putRow(y);
        }
    }
    EGifCloseFile(gif, &error);
    return out;
}

GiflibDecoded DecodeWithGiflib(const QByteArray& bytes) {
    GiflibDecoded result;
    ReadState state{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&state, ReadFromArray, &error);
    if (!gif)
        return result;
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return result;
    }
    result.ok = true;
    result.screenWidth = gif->SWidth;
    result.screenHeight = gif->SHeight;
    for (int e = 0; e < gif->ExtensionBlockCount; ++e) {
        const ExtensionBlock& b = gif->ExtensionBlocks[e];
        if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
            std::memcmp(b.Bytes, "NETSCAPE2.0", 11) == 0)
            result.hasLoopExtension = true;
    }
    const std::vector<QRgb> global = FromMap(gif->SColorMap);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& s = gif->SavedImages[i];
        GiflibImage img;
        img.left = s.ImageDesc.Left;
        img.top = s.ImageDesc.Top;
        img.width = s.ImageDesc.Width;
        img.height = s.ImageDesc.Height;
        img.interlaced = s.ImageDesc.Interlace;
        img.indices.assign(s.RasterBits, s.RasterBits + static_cast<size_t>(img.width) * img.height);
        img.palette = s.ImageDesc.ColorMap ? FromMap(s.ImageDesc.ColorMap) : global;
        for (int e = 0; e < s.ExtensionBlockCount; ++e) {
            if (s.ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE &&
                s.ExtensionBlocks[e].ByteCount == 11 &&
                std::memcmp(s.ExtensionBlocks[e].Bytes, "NETSCAPE2.0", 11) == 0)
                result.hasLoopExtension = true;
        }
        GraphicsControlBlock gcb;
        if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) {
            bool hasGce = false;
            for (int e = 0; e < s.ExtensionBlockCount; ++e)
                hasGce |= s.ExtensionBlocks[e].Function == GRAPHICS_EXT_FUNC_CODE;
            if (hasGce) {
                img.delay = gcb.DelayTime;
                img.disposal = gcb.DisposalMode;
                img.transparentIndex = gcb.TransparentColor;
            }
        }
        result.images.push_back(std::move(img));
    }
    DGifCloseFile(gif, &error);
    return result;
}

std::vector<std::uint8_t> NoiseIndices(int count, unsigned seed, int colours) {
    std::vector<std::uint8_t> out(static_cast<size_t>(count));
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& v : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<std::uint8_t>(x % static_cast<unsigned>(colours));
    }
    return out;
}

std::vector<QRgb> GreyPalette() {
    std::vector<QRgb> p(256);
    for (int i = 0; i < 256; ++i)
        p[static_cast<size_t>(i)] = qRgb(i, i, i);
    return p;
}

std::vector<QRgb> RainbowPalette(unsigned seed) {
    std::vector<QRgb> p(256);
    for (int i = 0; i < 256; ++i)
        p[static_cast<size_t>(i)] =
            qRgb((i * 7 + static_cast<int>(seed)) & 255, (i * 13 + 40) & 255, (255 - i) & 255);
    return p;
}

QImage PhotoLikePicture(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Sky to floor, like a room or a street behind the subject.
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(96, 140, 200));
    sky.setColorAt(0.55, QColor(210, 220, 225));
    sky.setColorAt(0.56, QColor(120, 100, 80));
    sky.setColorAt(1.0, QColor(60, 48, 40));
    p.fillRect(image.rect(), sky);
    std::uint32_t x = seed * 747796405u + 2891336453u;
    auto next = [&x]() {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return x;
    };
    // Shaded objects of many hues.
    for (int i = 0; i < 14; ++i) {
        const int cx = static_cast<int>(next() % static_cast<unsigned>(width));
        const int cy = static_cast<int>(next() % static_cast<unsigned>(height));
        const int r = width / 16 + static_cast<int>(next() % static_cast<unsigned>(width / 6 + 1));
        QRadialGradient g(cx - r / 3, cy - r / 3, r * 1.3);
        const QColor base =
            QColor::fromHsv(static_cast<int>(next() % 360), 90 + static_cast<int>(next() % 150),
                            110 + static_cast<int>(next() % 140));
        g.setColorAt(0, base.lighter(150));
        g.setColorAt(1, base.darker(220));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(cx, cy), r, r * 3 / 4);
    }
    // A face-like skin ellipse in the middle.
    QRadialGradient skin(width / 2 - width / 20, height / 2 - height / 10, height / 3.0);
    skin.setColorAt(0, QColor(250, 215, 190));
    skin.setColorAt(1, QColor(170, 110, 85));
    p.setBrush(skin);
    p.drawEllipse(QPoint(width / 2, height / 2), width / 7, height / 4);
    p.end();
    // Sensor noise: a few levels either way, as a webcam gives.
    for (int yy = 0; yy < height; ++yy) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(yy));
        for (int xx = 0; xx < width; ++xx) {
            const int n = static_cast<int>(next() % 9) - 4;
            const QRgb c = line[xx];
            line[xx] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                            std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return image;
}

} // namespace vx7::test
