#include "editor/export/EditorExport.h"

#include "core/ImageFiles.h"
#include "core/SaveFile.h"
#include "imaging/raster/RasterDocument.h"
#include "platform/Prompt.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

namespace vx7::editor {

namespace {

const QString kTitle = QStringLiteral("特别提示");

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QImage CutExportPicture(const QImage& composition, const imaging::IntRect& validArea) {
    const int width = validArea.right - validArea.left;
    const int height = validArea.bottom - validArea.top;
    if (width <= 0 || height <= 0)
        return QImage();
    // The screen rectangle starts one pixel inside the area's top-left corner,
    // so the columns left + 1 ... right and the rows top + 1 ... bottom.
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), composition, QRect(validArea.left + 1, validArea.top + 1, width, height));
    painter.end();
    return picture;
}

QString SaveBackFormat(const QString& path) {
    if (path.size() < 4)
        return QString();
    const QString ext = path.right(3);
    for (const char* code : {"BMP", "JPG", "PNG", "GIF"}) {
        const QString upper = QString::fromLatin1(code);
        if (ext == upper || ext == upper.toLower())
            return upper;
    }
    return QString();
}

EditorExport::EditorExport(const imaging::RasterDocument& raster, Compose compose,
                           const core::EncoderRegistry& encoders, platform::Prompt& prompt,
                           ExportSettings settings, PhotoSaveMemory memory)
    : raster_(raster), compose_(std::move(compose)), encoders_(encoders), prompt_(prompt),
      settings_(std::move(settings)), memory_(memory) {}

QString EditorExport::PhotoWorkFile(const QString& workFolder) {
    return QDir(workFolder).filePath(QStringLiteral("tpho009383721.bmp"));
}

QString EditorExport::ClipboardWorkFile(const QString& workFolder) {
    return QDir(workFolder).filePath(QStringLiteral("tpho00938hfz3721.jpg"));
}

QImage EditorExport::Render() const {
    if (!compose_)
        return QImage();
    return CutExportPicture(compose_(), raster_.ValidArea());
}

bool EditorExport::WritePicture(const QImage& picture, const QString& format, const QString& path,
                                QString* error) const {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (picture.isNull())
        return fail(QStringLiteral("没有可保存的图片"));
    if (core::MimeTypeOfFormat(format).isEmpty() || encoders_.FindEncoder(core::MimeTypeOfFormat(format)) < 0)
        return fail(QStringLiteral("不支持的图片格式 %1").arg(format));
    const QFileInfo target(path);
    // The permission bits, not access(): a photo the user made read-only stays
    // untouched even for a user the system would let write it.
    if (target.exists() &&
        (!target.isFile() || !target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        return fail(QStringLiteral("文件是只读的或不是普通文件"));
    if (!QFileInfo(target.absolutePath()).isDir())
        return fail(QStringLiteral("目录不存在"));
    if (!QFileInfo(target.absolutePath()).isWritable())
        return fail(QStringLiteral("目录不可写"));

    // The encoder writes a complete file beside the target first; its bytes
    // then replace the target in one whole-file save, so the target is either
    // the old file or the whole new one.
    const QString encoded = path + QStringLiteral(".vx7part");
    const bool encodedOk = encoders_.Save(picture, format, encoded, kQuality);
    QFile part(encoded);
    QByteArray bytes;
    if (encodedOk && part.open(QIODevice::ReadOnly))
        bytes = part.readAll();
    part.close();
    QFile::remove(encoded);
    if (!encodedOk || bytes.isEmpty())
        return fail(QStringLiteral("图片编码失败"));
    QString why;
    if (!core::SaveWholeFile(path, bytes, &why))
        return fail(why);
    return true;
}

QString EditorExport::PreparePhotoSave() {
    const QString work = PhotoWorkFile(settings_.workFolder);
    QString why;
    if (!WritePicture(Render(), QStringLiteral("BMP"), work, &why)) {
        prompt_.Message(QStringLiteral("图片文件< %1 >保存失败: %2").arg(Native(work), why), kTitle);
        return QString();
    }
    return work;
}

bool EditorExport::CopyToClipboard() {
    const QString work = ClipboardWorkFile(settings_.workFolder);
    QString why;
    if (!WritePicture(Render(), QStringLiteral("JPG"), work, &why)) {
        prompt_.Message(QStringLiteral("图片文件< %1 >保存失败: %2").arg(Native(work), why), kTitle);
        return false;
    }
    QImageReader reader(work);
    const QImage picture = reader.read();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (picture.isNull() || !clipboard) {
        prompt_.Message(QStringLiteral("图片没有复制到剪贴板!"), kTitle);
        return false;
    }
    clipboard->setImage(picture);
    return true;
}

EditorExport::SaveBackResult EditorExport::SaveBack(const QString& path, bool photoUnreadable) {
    const QString format = SaveBackFormat(path);
    if (format.isEmpty()) {
        prompt_.Message(path.isEmpty()
                            ? QStringLiteral("没有打开的图片文件,图片没有保存!")
                            : QStringLiteral("图片文件< %1 >不是BMP、JPG、PNG或GIF格式的扩展名,图片没有保存!")
                                  .arg(Native(path)),
                        kTitle);
        return SaveBackResult::NothingWritten;
    }
    if (photoUnreadable) {
        prompt_.Message(
            QStringLiteral("照片< %1 >没有读入,为保护原文件,图片没有保存!请用\"图片拍照保留\"另存.")
                .arg(Native(path)),
            kTitle);
        return SaveBackResult::Failed;
    }
    QString why;
    if (!WritePicture(Render(), format, path, &why)) {
        prompt_.Message(QStringLiteral("图片文件< %1 >保存失败: %2").arg(Native(path), why), kTitle);
        return SaveBackResult::Failed;
    }
    return SaveBackResult::Written;
}

} // namespace vx7::editor
