#include "ImageConverterLibrary.h"

#include "animation/AnimationLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

namespace vx7::animation {

ImageConverterLibrary::ImageConverterLibrary(QStringList folders, bool platformSearch)
    : folders_(std::move(folders)), platformSearch_(platformSearch) {}

QStringList ImageConverterLibrary::DefaultFolders() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    QString system = qEnvironmentVariable("VX7_SYSTEM_DIR");
    if (system.isEmpty())
        system = qEnvironmentVariable("XDG_DATA_HOME");
    if (system.isEmpty())
        system = QDir::homePath() + QStringLiteral("/.local/share");
    folders << system;
    return folders;
}

ImageConverterLibrary::ConvertFunction ImageConverterLibrary::Function(QString* error) {
    if (function_)
        return function_;
    QStringList candidates;
    for (const QString& folder : folders_)
        if (!folder.isEmpty())
            candidates << QDir(folder).filePath(QString::fromLatin1(kBaseName));
    if (platformSearch_)
        candidates << QString::fromLatin1(kBaseName);
    QString reasons = QStringLiteral("%1 not found").arg(QString::fromLatin1(kBaseName));
    for (const QString& name : candidates) {
        auto library = std::make_unique<QLibrary>(name);
        if (!library->load()) {
            reasons = library->errorString();
            continue;
        }
        auto function = reinterpret_cast<ConvertFunction>(library->resolve(kExport));
        if (!function) {
            // A library of that name without the export: keep looking, but say so.
            reasons =
                QStringLiteral("%1 has no export %2").arg(library->fileName(), QString::fromLatin1(kExport));
            library->unload();
            continue;
        }
        qCDebug(lcAnimation) << "converter loaded from" << library->fileName();
        // Optional: older libraries have only ConvertImage.
        pixelsFunction_ = reinterpret_cast<ConvertPixelsFunction>(library->resolve(kPixelsExport));
        library_ = std::move(library);
        function_ = function;
        return function_;
    }
    if (error)
        *error = reasons;
    return nullptr;
}

bool ImageConverterLibrary::Convert(const QString& source, const QString& target, QString* error) {
    const ConvertFunction convert = Function(error);
    if (!convert)
        return false;
    convert(reinterpret_cast<const char16_t*>(source.utf16()),
            reinterpret_cast<const char16_t*>(target.utf16()), 0, 0, 0, 1, 50, 0);
    return true;
}

bool ImageConverterLibrary::ConvertPixels(const QImage& picture, std::array<std::uint8_t, 768>& palette,
                                          std::vector<std::uint8_t>& indices) const {
    const ConvertPixelsFunction convert = PixelsFunction();
    if (!convert || picture.isNull() || picture.depth() != 32)
        return false;
    indices.resize(static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()));
    return convert(reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(),
                   picture.height(), static_cast<int>(picture.bytesPerLine() / 4), 0, 0, 0, 1, 50, 0,
                   palette.data(), indices.data()) > 0;
}

} // namespace vx7::animation
