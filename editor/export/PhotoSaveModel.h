#pragma once

#include "editor/export/EditorExport.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace vx7::editor {

// Where the preview of a picture goes inside the inner rectangle of the
// preview frame: scaled down by the smaller ratio when it does not fit, never
// enlarged, centred.
QRect PhotoPreviewPlacement(QSize picture, const QRect& inner);

// The decisions of the photo save dialog: which folder and name it proposes,
// which names it accepts, and the save itself with the overwrite question.
class PhotoSaveModel {
  public:
    static constexpr const char* kInitialName = "我的新拍照2011"; // UTF-8

    // source is the picture to save (the work file of "图片拍照保留").
    PhotoSaveModel(EditorExport& exporter, QString source);

    const QString& Source() const { return source_; }
    const QString& Folder() const { return folder_; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // A folder chosen with "选择目录": kept for the run and stored in the settings.
    void ChooseFolder(const QString& folder);

    // The file "确认保存" writes: <folder>/<name>.jpg.
    QString TargetPath() const;
    // Why a name cannot be used (empty, or holding "/", "\" or ".."); empty when it can.
    static QString NameProblem(const QString& name);

    enum class SaveResult { Saved, Declined, Refused };
    // Saved: written, the dialog closes. Declined: the user said No to the
    // overwrite question; nothing written, the dialog stays. Refused: a bad
    // name or a failed write, the user was told; the dialog stays.
    SaveResult Save();

    static QString OverwriteQuestion(const QString& name);

  private:
    EditorExport& exporter_;
    QString source_;
    QString folder_;
    QString name_;
};

} // namespace vx7::editor
