#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QImage;

namespace vx7::animation {

// The outside image converter "Image66Conver123ter" (libImage66Conver123ter.so),
// loaded by name on first use and kept loaded for the rest of the run; it is never
// linked and never unloaded. A load that fails is tried again on the next use, so a
// library installed meanwhile is found. One object per run, created in main().
class ImageConverterLibrary {
  public:
    using ConvertFunction = int (*)(const char16_t* source, const char16_t* target, int, int, int, int, int,
                                    int);
    // The in-memory entry: pixels, width, height, stride in words, the same six
    // integers, then the palette (768 bytes) and index (width × height) buffers it
    // fills; returns the palette entries in use, 0 on failure.
    using ConvertPixelsFunction = int (*)(const std::uint32_t* pixels, int width, int height, int stride, int,
                                          int, int, int, int, int, std::uint8_t* palette,
                                          std::uint8_t* indices);
    static constexpr const char* kBaseName = "Image66Conver123ter";
    static constexpr const char* kExport = "ConvertImage";
    static constexpr const char* kPixelsExport = "ConvertImagePixels";

    // folders: where to look first, in order; then, unless platformSearch is false,
    // the platform's library search by name (which also finds a library of that name
    // already loaded into the process).
    explicit ImageConverterLibrary(QStringList folders = DefaultFolders(), bool platformSearch = true);

    // The folder of the running program and the system directory ($VX7_SYSTEM_DIR,
    // else $XDG_DATA_HOME, else ~/.local/share), where the installer puts the library.
    static QStringList DefaultFolders();

    // Loads the library and finds its export on first call. nullptr, with the reason
    // in *error, when the library or its export cannot be found.
    ConvertFunction Function(QString* error = nullptr);
    bool IsLoaded() const { return function_ != nullptr; }
    QString LoadedFrom() const { return library_ ? library_->fileName() : QString(); }

    // ConvertImage(source, target, 0, 0, 0, 1, 50, 0). False when the library is
    // missing; the converter's own result is not looked at.
    bool Convert(const QString& source, const QString& target, QString* error = nullptr);

    // The library's in-memory entry, found with ConvertImage on first use; nullptr
    // when the library has none (a library that only has ConvertImage still serves,
    // through files), when it is not loaded, or when SetFilesOnly(true) was called.
    ConvertPixelsFunction PixelsFunction() const { return filesOnly_ ? nullptr : pixelsFunction_; }
    // Always go through ConvertImage and files, as with a library without the
    // in-memory entry.
    void SetFilesOnly(bool filesOnly) { filesOnly_ = filesOnly; }

    // The in-memory conversion of a 32-bit picture (alpha ignored) with the same
    // request as Convert: fills palette and indices (resized to the picture's pixel
    // count). False when there is no in-memory entry or the converter refused.
    bool ConvertPixels(const QImage& picture, std::array<std::uint8_t, 768>& palette,
                       std::vector<std::uint8_t>& indices) const;

  private:
    QStringList folders_;
    bool platformSearch_ = true;
    std::unique_ptr<QLibrary> library_;
    ConvertFunction function_ = nullptr;
    ConvertPixelsFunction pixelsFunction_ = nullptr;
    bool filesOnly_ = false;
};

} // namespace vx7::animation
