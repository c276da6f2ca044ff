#include "AssetSet.h"

#include "BitmapArt.h"
#include "ButtonArt.h"
#include "CursorArt.h"
#include "IconArt.h"
#include "InstallerArt.h"
#include "SoundArt.h"
#include "ToolbarArt.h"
#include "WaveWriter.h"

#include "core/InstallLayout.h"
#include "resources/InstallerPictures.h"
#include "resources/ResourceCatalog.h"
#include "resources/SystemPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace vx7::assetgen {

namespace {

QByteArray Encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    // Text keys (cursor hot spots, strip commands) are written by the PNG writer from the image.
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

QByteArray Png(const QImage& image) {
    return Encode(image, "png");
}

QByteArray Jpeg(const QImage& image) {
    // JPEG has no alpha: flatten onto white first (the pictures are opaque anyway).
    return Encode(image.convertToFormat(QImage::Format_RGB32), "jpeg", 92);
}

} // namespace

std::vector<AssetFile> MakeResourceFiles() {
    std::vector<AssetFile> files;
    for (const auto& b : resources::kBitmaps)
        files.push_back({QStringLiteral("bitmap/%1.png").arg(b.id), Png(MakeBitmap(b.id))});
    for (const auto& i : resources::kIcons)
        files.push_back({QStringLiteral("icon/%1.png").arg(i.id), Png(MakeIcon(i.id))});
    for (int id : resources::kCursors) {
        CursorPicture cursor = MakeCursor(id);
        cursor.image.setText(QStringLiteral("hotspot"),
                             QStringLiteral("%1,%2").arg(cursor.hotSpot.x()).arg(cursor.hotSpot.y()));
        files.push_back({QStringLiteral("cursor/%1.png").arg(id), Png(cursor.image)});
    }
    files.push_back({QStringLiteral("toolbar/%1.png").arg(resources::kToolbarId), Png(MakeToolbarStrip())});
    files.push_back(
        {QStringLiteral("wave/%1.wav").arg(resources::kClickSound), EncodeWave(ClickSound(), kSoundRate)});
    files.push_back({QStringLiteral("wave/%1.wav").arg(resources::kStartupSound),
                     EncodeWave(StartupJingle(), kSoundRate)});
    return files;
}

QByteArray MakeQrc(const std::vector<AssetFile>& files) {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const AssetFile& f : files)
        qrc += "  <file>" + f.path.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

std::vector<AssetFile> MakeMediumFiles() {
    std::vector<AssetFile> files;
    const QString sys = core::layout::SystemPictureFolder() + QLatin1Char('/');
    for (const auto& b : resources::kStationButtons) {
        const QString name = QString::fromLatin1(b.name);
        files.push_back({sys + name + QStringLiteral("_OK.png"), Png(MakeStationButton(name, true))});
        files.push_back({sys + name + QStringLiteral("_NO.png"), Png(MakeStationButton(name, false))});
    }
    for (const auto& b : resources::kEditorButtons) {
        const QString name = QString::fromLatin1(b.name);
        files.push_back({sys + name + QStringLiteral(".png"), Png(MakeEditorButton(name))});
    }
    files.push_back(
        {sys + QString::fromLatin1(resources::kShutterSound), EncodeWave(ShutterSound(), kSoundRate)});
    files.push_back(
        {sys + QString::fromLatin1(resources::kDefaultMusic), EncodeWave(MusicLoop(), kSoundRate)});
    files.push_back({QString::fromLatin1(resources::kStartPictureName), Jpeg(MakeInstallerPicture(false))});
    for (const auto& region : resources::kInstallerRegions)
        files.push_back(
            {resources::HighlightPictureName(region.number), Jpeg(MakeInstallerHighlight(region.number))});
    return files;
}

bool WriteAssetFiles(const QString& folder, const std::vector<AssetFile>& files, QString* error) {
    const QDir root(folder);
    for (const AssetFile& f : files) {
        const QString target = root.filePath(f.path);
        if (f.bytes.isEmpty()) {
            if (error)
                *error = QStringLiteral("could not make %1").arg(f.path);
            return false;
        }
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            if (error)
                *error = QStringLiteral("cannot create the folder of %1").arg(target);
            return false;
        }
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(f.bytes) != f.bytes.size()) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
            return false;
        }
    }
    return true;
}

} // namespace vx7::assetgen
