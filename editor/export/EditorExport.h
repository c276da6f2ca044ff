#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>

namespace vx7::platform {
class Prompt;
}
namespace vx7::core {
class EncoderRegistry;
}
namespace vx7::imaging {
class RasterDocument;
struct IntRect;
} // namespace vx7::imaging

namespace vx7::editor {

// The folder and name the photo save dialog proposes again; they live for the
// program run (in the editor session), never on disk.
struct PhotoSaveMemory {
    QString& chosenFolder; // the folder last chosen with "选择目录"
    QString& lastName;     // the name last saved
};

// The settings and folders export works with.
struct ExportSettings {
    QString workFolder;                       // the installation's tmpBmpData
    std::function<QString()> photoFolder;     // the camera station's photo folder
    std::function<QString()> savedFolder;     // settings text slot 201
    std::function<void(QString)> storeFolder; // settings text slot 202
};

// The export picture: the columns left + 1 ... right and rows top + 1 ...
// bottom of the composition, valid area in canvas coordinates. The dotted
// frame the canvas draws around the valid area is not part of it (compose
// without it). Parts outside the composition are white, as the screen read
// them. Null for an empty area.
QImage CutExportPicture(const QImage& composition, const imaging::IntRect& validArea);

// The format "保存退出" writes for a path: "BMP", "JPG", "PNG" or "GIF" when
// the path has at least 4 characters and its last three are the upper- or the
// lower-case form exactly ("Jpg" is neither); empty otherwise.
QString SaveBackFormat(const QString& path);

// What leaves the editor: the picture inside the valid area, rendered from the
// composition (the same layers the canvas shows), so it is the same whether the
// window is covered, off screen or under any display server.
//
// Every write goes through a whole-file save: a failed write never leaves a cut
// or empty file where a picture was, and every failure is told to the user.
class EditorExport {
  public:
    // The canvas composition without the dotted valid-area frame, canvas-sized.
    using Compose = std::function<QImage()>;

    static constexpr int kQuality = 100;

    EditorExport(const imaging::RasterDocument& raster, Compose compose,
                 const core::EncoderRegistry& encoders, platform::Prompt& prompt, ExportSettings settings,
                 PhotoSaveMemory memory);

    // The picture inside the current valid area.
    QImage Render() const;

    // "图片拍照保留", first half: renders into the BMP work file and returns its
    // path for the photo save dialog; empty (the user was told) when it could
    // not be written.
    QString PreparePhotoSave();

    // "图片抓取到交流窗口": renders into the JPG work file and puts that picture
    // on the clipboard. False (the user was told) when nothing was copied.
    bool CopyToClipboard();

    enum class SaveBackResult {
        Written,        // close the editor with OK
        NothingWritten, // no recognised extension: the user was told; close with Cancel
        Failed,         // the user was told why; the editor stays open, the file is intact
    };
    // "保存退出": writes the picture over path in the format its extension
    // gives. photoUnreadable: the opened photo could not be read, so the canvas
    // holds nothing of it and the file is never overwritten.
    SaveBackResult SaveBack(const QString& path, bool photoUnreadable = false);

    // Writes picture to path in format (quality 100) as one whole-file save: an
    // existing file is replaced only once the new one is complete, and a file
    // or folder that cannot be written is refused. error gets the reason.
    bool WritePicture(const QImage& picture, const QString& format, const QString& path,
                      QString* error) const;

    static QString PhotoWorkFile(const QString& workFolder);     // tpho009383721.bmp
    static QString ClipboardWorkFile(const QString& workFolder); // tpho00938hfz3721.jpg

    const ExportSettings& Settings() const { return settings_; }
    PhotoSaveMemory& Memory() { return memory_; }
    const core::EncoderRegistry& Encoders() const { return encoders_; }
    platform::Prompt& GetPrompt() { return prompt_; }

  private:
    const imaging::RasterDocument& raster_;
    Compose compose_;
    const core::EncoderRegistry& encoders_;
    platform::Prompt& prompt_;
    ExportSettings settings_;
    PhotoSaveMemory memory_;
};

} // namespace vx7::editor
