#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageReader.h"
#include "materials/MaterialPackageWriter.h"
#include "materials/PackageDescription.h"
#include "materials/RecordList.h"
#include "materials/RecordListDescription.h"

#include <gtest/gtest.h>

#include <set>

using namespace vx7::materials;

// The descriptions the build turns into the shipped packages and record lists.
namespace {

QString Content(const char* name) {
    return QStringLiteral(VX7_CONTENT_DIR "/") + QLatin1String(name);
}

struct Shipped {
    const char* file;
    int minMaterials;
    int minGroupsWithMaterials;
};

void PrintTo(const Shipped& s, std::ostream* os) {
    *os << s.file;
}

class ShippedPackageTest : public ::testing::TestWithParam<Shipped> {};

} // namespace

TEST_P(ShippedPackageTest, HasEnoughMaterialsInEnoughGroupsAndSurvivesTheFileFormat) {
    QString error;
    const auto described = PackageDescription::ReadFile(Content(GetParam().file), &error);
    ASSERT_TRUE(described) << error.toStdString();
    const auto bytes = MaterialPackageWriter::Serialize(*described, &error);
    ASSERT_TRUE(bytes) << error.toStdString();
    const auto package = MaterialPackageReader::Parse(*bytes, &error);
    ASSERT_TRUE(package) << error.toStdString();

    EXPECT_GE(int(MaterialCatalogue::Filter(*package, 0).size()), GetParam().minMaterials);
    const QStringList groups = MaterialCatalogue::GroupTitles(*package);
    int filled = 0;
    std::set<QString> names;
    for (int g = 1; g < groups.size(); ++g) {
        const auto listed = MaterialCatalogue::Filter(*package, g);
        filled += listed.empty() ? 0 : 1;
        for (int i : listed) {
            const MaterialRecord& rec = package->records[size_t(i)];
            EXPECT_TRUE(names.insert(rec.pictureName).second) << "twice: " << rec.pictureName.toStdString();
            // Placed on the canvas near a person standing in the middle, above the accessories' slots.
            EXPECT_GE(rec.x, 100);
            EXPECT_LE(rec.x, 360);
            EXPECT_FLOAT_EQ(rec.scale, 0.5f);
            EXPECT_EQ(MaterialRecord::EffectiveSlot(rec.layer), rec.layer);
        }
    }
    EXPECT_GE(filled, GetParam().minGroupsWithMaterials);
}

INSTANTIATE_TEST_SUITE_P(Packages, ShippedPackageTest,
                         ::testing::Values(Shipped{"autumn-winter-womenswear.txt", 16, 4},
                                           Shipped{"accessories.txt", 12, 4}));

TEST(ShippedContentTest, ClothingHasAHiddenRecordAndATitleOnlyGroup) {
    const auto package = PackageDescription::ReadFile(Content("autumn-winter-womenswear.txt"));
    ASSERT_TRUE(package);
    bool hidden = false;
    for (const MaterialRecord& rec : package->records)
        hidden = hidden || (rec.IsHidden() && !rec.pictureName.isEmpty());
    EXPECT_TRUE(hidden);
    const QStringList groups = MaterialCatalogue::GroupTitles(*package);
    int empty = 0;
    for (int g = 1; g < groups.size(); ++g)
        empty += MaterialCatalogue::Filter(*package, g).empty() ? 1 : 0;
    EXPECT_GE(empty, 1);
    EXPECT_EQ(package->pictureFolder, QStringLiteral("秋冬新款女装/试衣及按钮图片"));
}

TEST(ShippedContentTest, RecordListsHaveNamedGroupsWithItems) {
    struct List {
        const char* file;
        char kind;
    };
    for (const List& l : {List{"matching-pictures.txt", 'A'}, List{"clothing-icons.txt", 'B'},
                          List{"general-icons.txt", 'C'}}) {
        QString error;
        const auto file = RecordListDescription::ReadFile(Content(l.file), &error);
        ASSERT_TRUE(file) << error.toStdString();
        RecordList holder;
        ASSERT_TRUE(holder.LoadData(*file->Serialize(), l.kind));
        EXPECT_GE(holder.GroupCount(), 3) << l.file;
        for (int g = 1; g <= holder.GroupCount(); ++g) {
            EXPECT_FALSE(holder.GroupAt(g).name.isEmpty()) << l.file << " group " << g;
            EXPECT_GT(holder.GroupAt(g).itemCount, 0) << l.file << " group " << g;
        }
        // The lists that skip their first record start with a record that is not an item.
        if (l.kind != 'A') {
            EXPECT_EQ(file->records[0][1], 'L') << l.file;
        }
    }
}
