#pragma once

#include "MaterialPackage.h"
#include "core/InstallLayout.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vx7::materials {

// The program-wide material catalogue: the package of the current category as the
// editor uses it. Created once in main() and handed to the editor. A failed load
// leaves the previous catalogue exactly as it was.
class MaterialCatalogue {
  public:
    static QString StartCategory() { return core::layout::WomenswearCategory(); }
    static QString LibraryFolderName() { return core::layout::MaterialStore(); }
    static QString PictureSubfolderName() { return core::layout::MaterialPictureFolder(); }
    static QString AllGroupsEntry() { return QStringLiteral("全部"); }

    explicit MaterialCatalogue(const QString& installFolder = QString());

    void SetInstallFolder(const QString& installFolder) { installFolder_ = installFolder; }
    QString InstallFolder() const { return installFolder_; }

    // The category the editor shows; kept for the program run.
    QString CurrentCategory() const { return currentCategory_; }
    void SetCurrentCategory(const QString& category) { currentCategory_ = category; }

    // "<install>/vx7Ecamsys素材仓库/<category>.dm3"
    QString PackagePath(const QString& category) const;

    // Reads the category's package into the catalogue. Returns false, with the
    // catalogue unchanged, when the file is missing, unreadable, truncated or holds
    // counts beyond the capacities. The picture folder becomes the stored one when
    // it exists (a relative one is taken below the installation folder), else
    // "<install>/<category>/试衣及按钮图片".
    bool LoadPackage(const QString& category, QString* error = nullptr);

    // The entries of the group combo: "全部", then the title of every title record in file order.
    QStringList FillGroupCombo() const;

    // Record indices to show for a group combo index: 0 lists every group, k >= 1 the
    // group letter 64 + k. Title records, hidden records and records without a picture
    // name are never listed. File order.
    std::vector<int> FilterMaterials(int groupIndex) const;

    // The same two rules over any package (the command-line tool lists files directly).
    static QStringList GroupTitles(const MaterialPackage& package);
    static std::vector<int> Filter(const MaterialPackage& package, int groupIndex);

    // "<picture folder>/<picture name>.png"; empty for an index outside the records.
    QString MaterialPicturePath(int record) const;

    bool IsLoaded() const { return loaded_; }
    QString LoadedCategory() const { return loadedCategory_; }
    QString PictureFolder() const { return pictureFolder_; }
    int ItemCount() const { return static_cast<int>(package_.records.size()); }
    // Null for an index outside the records.
    const MaterialRecord* Record(int index) const;
    const MaterialPackage& Package() const { return package_; }

  private:
    QString ResolvePictureFolder(const QString& stored, const QString& category) const;

    QString installFolder_;
    QString currentCategory_ = StartCategory();
    MaterialPackage package_;
    QString pictureFolder_;
    QString loadedCategory_;
    bool loaded_ = false;
};

} // namespace vx7::materials
