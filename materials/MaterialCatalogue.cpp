#include "MaterialCatalogue.h"

#include "core/PathParts.h"

#include "MaterialPackageReader.h"
#include "MaterialsLog.h"

#include <QDir>
#include <QFileInfo>

namespace vx7::materials {

MaterialCatalogue::MaterialCatalogue(const QString& installFolder) : installFolder_(installFolder) {}

QString MaterialCatalogue::PackagePath(const QString& category) const {
    return core::JoinPath(core::JoinPath(installFolder_, LibraryFolderName()),
                          category + QStringLiteral(".dm3"));
}

bool MaterialCatalogue::LoadPackage(const QString& category, QString* error) {
    // Category names are file titles from the library folder; one that names another
    // folder would read a package from outside the library.
    if (category.isEmpty() || category.contains(QLatin1Char('/'))) {
        if (error)
            *error = QStringLiteral("not a category name: \"%1\"").arg(category);
        return false;
    }
    const QString path = PackagePath(category);
    QString why;
    auto package = MaterialPackageReader::ReadFile(path, &why);
    if (!package) {
        qCWarning(lcMaterials) << "package not loaded:" << why;
        if (error)
            *error = why;
        return false;
    }
    pictureFolder_ = ResolvePictureFolder(package->pictureFolder, category);
    package_ = std::move(*package);
    loadedCategory_ = category;
    loaded_ = true;
    return true;
}

QString MaterialCatalogue::ResolvePictureFolder(const QString& stored, const QString& category) const {
    if (!stored.isEmpty()) {
        // A relative folder is relative to the installation folder, the program's working folder.
        const QString candidate =
            QDir::isAbsolutePath(stored) ? stored : core::JoinPath(installFolder_, stored);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return core::JoinPath(core::JoinPath(installFolder_, category), PictureSubfolderName());
}

QStringList MaterialCatalogue::FillGroupCombo() const {
    return GroupTitles(package_);
}

std::vector<int> MaterialCatalogue::FilterMaterials(int groupIndex) const {
    return Filter(package_, groupIndex);
}

QStringList MaterialCatalogue::GroupTitles(const MaterialPackage& package) {
    QStringList entries{AllGroupsEntry()};
    for (const MaterialRecord& rec : package.records)
        if (rec.IsTitle())
            entries.append(rec.title);
    return entries;
}

std::vector<int> MaterialCatalogue::Filter(const MaterialPackage& package, int groupIndex) {
    std::vector<int> listed;
    if (groupIndex < 0 || groupIndex > 255 - 64)
        return listed;
    const char letter = static_cast<char>(64 + groupIndex);
    for (size_t i = 0; i < package.records.size(); ++i) {
        const MaterialRecord& rec = package.records[i];
        if (rec.IsListable() && (groupIndex == 0 || rec.group == letter))
            listed.push_back(static_cast<int>(i));
    }
    return listed;
}

QString MaterialCatalogue::MaterialPicturePath(int record) const {
    const MaterialRecord* rec = Record(record);
    if (!rec)
        return QString();
    return core::JoinPath(pictureFolder_, rec->pictureName + QStringLiteral(".png"));
}

const MaterialRecord* MaterialCatalogue::Record(int index) const {
    if (index < 0 || index >= ItemCount())
        return nullptr;
    return &package_.records[static_cast<size_t>(index)];
}

} // namespace vx7::materials
