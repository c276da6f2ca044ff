#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <memory>

namespace vx7::animation {

// The outside image converter "Image66Conver123ter" (libImage66Conver123ter.so),
// loaded by name on first use and kept loaded for the rest of the run; it is never
// linked and never unloaded. A load that fails is tried again on the next use, so a
// library installed meanwhile is found. One object per run, created in main().
class ImageConverterLibrary {
  public:
    using ConvertFunction = int (*)(const char16_t* source, const char16_t* target, int, int, int, int, int,
                                    int);
    static constexpr const char* kBaseName = "Image66Conver123ter";
    static constexpr const char* kExport = "ConvertImage";

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

  private:
    QStringList folders_;
    bool platformSearch_ = true;
    std::unique_ptr<QLibrary> library_;
    ConvertFunction function_ = nullptr;
};

} // namespace vx7::animation
