#include "editor/export/PhotoSaveModel.h"

#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace vx7::editor {

QRect PhotoPreviewPlacement(QSize picture, const QRect& inner) {
    if (picture.isEmpty() || inner.isEmpty())
        return QRect();
    // Scaled down to fit, never enlarged, centred.
    double f = std::min(double(inner.width()) / picture.width(), double(inner.height()) / picture.height());
    if (picture.width() <= inner.width() && picture.height() <= inner.height())
        f = 1.0;
    const int w = static_cast<int>(picture.width() * f);
    const int h = static_cast<int>(picture.height() * f);
    return QRect(inner.left() + (inner.width() - w) / 2, inner.top() + (inner.height() - h) / 2, w, h);
}

PhotoSaveModel::PhotoSaveModel(EditorExport& exporter, QString source)
    : exporter_(exporter), source_(std::move(source)) {
    const ExportSettings& s = exporter_.Settings();
    // The settings' save folder, a folder chosen earlier in this run, or the photo folder.
    if (s.savedFolder)
        folder_ = s.savedFolder();
    if (!exporter_.Memory().chosenFolder.isEmpty())
        folder_ = exporter_.Memory().chosenFolder;
    if (folder_.isEmpty() && s.photoFolder)
        folder_ = s.photoFolder();
    name_ = QString::fromUtf8(kInitialName);
    if (!exporter_.Memory().lastName.isEmpty())
        name_ = exporter_.Memory().lastName;
}

void PhotoSaveModel::ChooseFolder(const QString& folder) {
    exporter_.Memory().chosenFolder = folder;
    folder_ = folder;
    if (exporter_.Settings().storeFolder)
        exporter_.Settings().storeFolder(folder);
}

QString PhotoSaveModel::TargetPath() const {
    return QDir(folder_).filePath(name_ + QStringLiteral(".jpg"));
}

QString PhotoSaveModel::NameProblem(const QString& name) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("请输入图片名!");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QStringLiteral("..")))
        return QStringLiteral("图片名< %1 >不能含有\"/\"、\"\\\"或\"..\",请重新输入!").arg(name);
    return QString();
}

QString PhotoSaveModel::OverwriteQuestion(const QString& name) {
    return QStringLiteral("图片文件< %1 >已存在!是否替换?").arg(name);
}

PhotoSaveModel::SaveResult PhotoSaveModel::Save() {
    platform::Prompt& prompt = exporter_.GetPrompt();
    const QString title = QStringLiteral("特别提示");
    const QString problem = NameProblem(name_);
    if (!problem.isEmpty()) {
        prompt.Message(problem, title);
        return SaveResult::Refused;
    }
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir()) {
        prompt.Message(
            QStringLiteral("保存目录< %1 >不存在,请选择目录!").arg(QDir::toNativeSeparators(folder_)), title);
        return SaveResult::Refused;
    }
    const QString target = TargetPath();
    if (QFileInfo::exists(target) && !prompt.Ask(OverwriteQuestion(name_), title))
        return SaveResult::Declined;
    QImageReader reader(source_);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    QString why;
    if (picture.isNull())
        why = QStringLiteral("图片< %1 >不能读入").arg(QDir::toNativeSeparators(source_));
    else if (exporter_.WritePicture(picture, QStringLiteral("JPG"), target, &why))
        why.clear();
    if (picture.isNull() || !why.isEmpty()) {
        prompt.Message(
            QStringLiteral("图片文件< %1 >保存失败: %2").arg(QDir::toNativeSeparators(target), why), title);
        return SaveResult::Refused;
    }
    exporter_.Memory().lastName = name_;
    return SaveResult::Saved;
}

} // namespace vx7::editor
