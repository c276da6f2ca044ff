#include "materials/MaterialCatalogue.h"
#include "core/SysInfo.h"
#include "materials/MaterialPackageWriter.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vx7::materials;

namespace {

MaterialRecord Rec(char group, char type, const QString& name, const QString& title = QString()) {
    MaterialRecord r;
    r.group = group;
    r.type = type;
    r.pictureName = name;
    r.title = title;
    return r;
}

// Three groups; 'K' records with and without names; a material without a name.
MaterialPackage ShopPackage(const QString& folder) {
    MaterialPackage p;
    p.pictureFolder = folder;
    const char M = MaterialRecord::kMaterialType;
    p.records = {
        Rec('A', 'T', {}, QStringLiteral("外套")),     // 0
        Rec('A', M, QStringLiteral("a1")),             // 1
        Rec('A', M, QStringLiteral("a2")),             // 2
        Rec('B', 'T', {}, QStringLiteral("毛衣")),     // 3
        Rec('B', M, QStringLiteral("b1")),             // 4
        Rec('B', 'K', QStringLiteral("b-hidden")),     // 5
        Rec('B', M, QString()),                        // 6: no picture name
        Rec('A', M, QStringLiteral("a3")),             // 7: out of file order for its group
        Rec('B', 'X', QStringLiteral("b2")),           // 8: any other type is a material
        Rec('C', 'T', {}, QStringLiteral("新品预告")), // 9: a title-only group
        Rec('D', 'K', QStringLiteral("d-hidden")),     // 10
    };
    return p;
}

struct MaterialCatalogueTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    MaterialCatalogue catalogue{home.Path()};

    QString WritePackage(const QString& category, const MaterialPackage& p) {
        const QString path = catalogue.PackagePath(category);
        QString error;
        EXPECT_TRUE(MaterialPackageWriter::WriteFile(p, path, &error)) << error.toStdString();
        return path;
    }
};

} // namespace

TEST_F(MaterialCatalogueTest, StartsWithTheAutumnCategoryAndNothingLoaded) {
    EXPECT_EQ(catalogue.CurrentCategory(), QStringLiteral("秋冬新款女装"));
    EXPECT_FALSE(catalogue.IsLoaded());
    EXPECT_EQ(catalogue.FillGroupCombo(), QStringList{QStringLiteral("全部")});
    EXPECT_TRUE(catalogue.FilterMaterials(0).empty());
    EXPECT_TRUE(catalogue.MaterialPicturePath(0).isEmpty());
}

TEST_F(MaterialCatalogueTest, PackagePathIsInTheLibraryFolder) {
    EXPECT_EQ(catalogue.PackagePath(QStringLiteral("饰品")), home.Path() + "/vx7Ecamsys素材仓库/饰品.dm3");
}

TEST_F(MaterialCatalogueTest, GroupComboHasAllFirstThenTitlesInFileOrder) {
    WritePackage(QStringLiteral("shop"), ShopPackage({}));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    EXPECT_EQ(catalogue.FillGroupCombo(), (QStringList{QStringLiteral("全部"), QStringLiteral("外套"),
                                                       QStringLiteral("毛衣"), QStringLiteral("新品预告")}));
}

TEST_F(MaterialCatalogueTest, FilteringByGroupIndex) {
    WritePackage(QStringLiteral("shop"), ShopPackage({}));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    // All groups: materials only, in file order; titles, 'K' records and nameless ones never.
    EXPECT_EQ(catalogue.FilterMaterials(0), (std::vector<int>{1, 2, 4, 7, 8}));
    EXPECT_EQ(catalogue.FilterMaterials(1), (std::vector<int>{1, 2, 7}));
    // Index 2 lists exactly the 'B' materials.
    EXPECT_EQ(catalogue.FilterMaterials(2), (std::vector<int>{4, 8}));
    // A title-only group lists nothing; so does a group of hidden records only.
    EXPECT_TRUE(catalogue.FilterMaterials(3).empty());
    EXPECT_TRUE(catalogue.FilterMaterials(4).empty());
    EXPECT_TRUE(catalogue.FilterMaterials(-1).empty());
    EXPECT_TRUE(catalogue.FilterMaterials(1000).empty());
}

TEST_F(MaterialCatalogueTest, HiddenRecordsAreNeverListedInAnyGroup) {
    WritePackage(QStringLiteral("shop"), ShopPackage({}));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    for (int g = 0; g < 30; ++g)
        for (int i : catalogue.FilterMaterials(g))
            EXPECT_FALSE(catalogue.Record(i)->IsHidden()) << "group " << g;
}

TEST_F(MaterialCatalogueTest, ExistingStoredPictureFolderIsUsed) {
    const QString stored = home.Sub(QStringLiteral("elsewhere/pics"));
    QDir().mkpath(stored);
    WritePackage(QStringLiteral("shop"), ShopPackage(stored));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    EXPECT_EQ(catalogue.PictureFolder(), stored);
    EXPECT_EQ(catalogue.MaterialPicturePath(4), stored + "/b1.png");
}

TEST_F(MaterialCatalogueTest, RelativeStoredFolderIsBelowTheInstallationFolder) {
    QDir().mkpath(home.Sub(QStringLiteral("shop/试衣及按钮图片")));
    WritePackage(QStringLiteral("shop"), ShopPackage(QStringLiteral("shop/试衣及按钮图片")));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    EXPECT_EQ(catalogue.PictureFolder(), home.Path() + "/shop/试衣及按钮图片");
}

TEST_F(MaterialCatalogueTest, MissingStoredFolderFallsBackToTheCategoryFolder) {
    WritePackage(QStringLiteral("饰品"), ShopPackage(QStringLiteral("D:/authoring/饰品图片")));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("饰品")));
    EXPECT_EQ(catalogue.PictureFolder(), home.Path() + "/饰品/试衣及按钮图片");
    EXPECT_EQ(catalogue.MaterialPicturePath(1), home.Path() + "/饰品/试衣及按钮图片/a1.png");
    EXPECT_TRUE(catalogue.MaterialPicturePath(11).isEmpty());
    EXPECT_TRUE(catalogue.MaterialPicturePath(-1).isEmpty());
}

TEST_F(MaterialCatalogueTest, RemovedPackageKeepsThePreviousCatalogue) {
    const QString path = WritePackage(QStringLiteral("shop"), ShopPackage({}));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    QFile::remove(path);
    QString error;
    EXPECT_FALSE(catalogue.LoadPackage(QStringLiteral("shop"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(catalogue.ItemCount(), 11);
    EXPECT_EQ(catalogue.FilterMaterials(2), (std::vector<int>{4, 8}));
    EXPECT_EQ(catalogue.LoadedCategory(), QStringLiteral("shop"));
}

TEST_F(MaterialCatalogueTest, MalformedPackageKeepsThePreviousCatalogue) {
    WritePackage(QStringLiteral("shop"), ShopPackage({}));
    ASSERT_TRUE(catalogue.LoadPackage(QStringLiteral("shop")));
    const QString before = catalogue.PictureFolder();
    home.WriteFile(QStringLiteral("vx7Ecamsys素材仓库/bad.dm3"), QByteArray(500, '\xFF'));
    EXPECT_FALSE(catalogue.LoadPackage(QStringLiteral("bad")));
    EXPECT_EQ(catalogue.ItemCount(), 11);
    EXPECT_EQ(catalogue.PictureFolder(), before);
}

TEST_F(MaterialCatalogueTest, CategoryNamingAnotherFolderIsRefused) {
    home.WriteFile(QStringLiteral("outside.dm3"), *MaterialPackageWriter::Serialize(ShopPackage({})));
    EXPECT_FALSE(catalogue.LoadPackage(QStringLiteral("../outside")));
    EXPECT_FALSE(catalogue.IsLoaded());
}

TEST_F(MaterialCatalogueTest, LibraryWith61PackagesListsTheFirst60) {
    for (int i = 0; i < 61; ++i)
        home.WriteFile(QStringLiteral("vx7Ecamsys素材仓库/类别%1.dm3").arg(i), QByteArray(668, '\0'));
    home.WriteFile(QStringLiteral("vx7Ecamsys素材仓库/readme.txt"), "not a package");
    vx7::core::SysInfo sys;
    sys.SetFolder(home.Path());
    const QStringList names = sys.ListMaterialPackages();
    ASSERT_EQ(names.size(), 60);
    for (const QString& n : names) {
        EXPECT_TRUE(n.startsWith(QStringLiteral("类别")));
        EXPECT_FALSE(n.endsWith(QStringLiteral(".dm3")));
        // Every listed name loads: an empty package is still a package.
        EXPECT_TRUE(catalogue.LoadPackage(n)) << n.toStdString();
    }
}

TEST(MaterialRecordTest, LayerSlotsOutsideTheTableAreMovedIn) {
    EXPECT_EQ(MaterialRecord::EffectiveSlot(-3), 10);
    EXPECT_EQ(MaterialRecord::EffectiveSlot(0), 0);
    EXPECT_EQ(MaterialRecord::EffectiveSlot(99), 99);
    EXPECT_EQ(MaterialRecord::EffectiveSlot(100), 90);
    EXPECT_EQ(MaterialRecord::EffectiveSlot(150), 90);
}
