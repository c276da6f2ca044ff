#include "materials/PackageDescription.h"
#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageReader.h"
#include "materials/MaterialPackageWriter.h"

#include <gtest/gtest.h>

using namespace vx7::materials;

TEST(PackageDescriptionTest, GroupsGetLettersInOrderAndItemsTheirGroupsLetter) {
    const QString text = QStringLiteral("# sample\n"
                                        "folder 秋冬新款女装/试衣及按钮图片\n"
                                        "note made for tests\n"
                                        "group 外套\n"
                                        "  item 驼色大衣 x=150 y=80 slot=30 scale=0.5\n"
                                        "group 新品预告\n"
                                        "group 毛衣\n"
                                        "  hidden 样衣 x=-4 y=0 slot=-3 scale=1\n"
                                        "  item 高领毛衣 x=1 y=2 slot=150 scale=2.25\n");
    QString error;
    const auto p = PackageDescription::Parse(text, &error);
    ASSERT_TRUE(p) << error.toStdString();
    EXPECT_EQ(p->pictureFolder, QStringLiteral("秋冬新款女装/试衣及按钮图片"));
    EXPECT_EQ(p->trailing, QByteArray("made for tests\n"));
    ASSERT_EQ(p->records.size(), 6u);
    EXPECT_EQ(p->records[0].type, 'T');
    EXPECT_EQ(p->records[0].group, 'A');
    EXPECT_EQ(p->records[1].group, 'A');
    EXPECT_EQ(p->records[1].x, 150);
    EXPECT_FLOAT_EQ(p->records[1].scale, 0.5f);
    EXPECT_EQ(p->records[2].group, 'B');
    EXPECT_EQ(p->records[2].title, QStringLiteral("新品预告"));
    EXPECT_EQ(p->records[4].type, 'K');
    EXPECT_EQ(p->records[4].group, 'C');
    EXPECT_EQ(p->records[4].layer, -3);
    EXPECT_EQ(p->records[5].layer, 150);

    // Through the file format and the catalogue's rules: the hidden record and the
    // title-only group list nothing.
    const auto bytes = MaterialPackageWriter::Serialize(*p);
    ASSERT_TRUE(bytes);
    const auto back = MaterialPackageReader::Parse(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->trailing, p->trailing);
}

struct BadDescription {
    const char* text;
    const char* expectedStart;
};

void PrintTo(const BadDescription& c, std::ostream* os) {
    *os << c.expectedStart;
}

class PackageDescriptionErrorTest : public ::testing::TestWithParam<BadDescription> {};

TEST_P(PackageDescriptionErrorTest, IsRefusedNamingTheLine) {
    QString error;
    EXPECT_FALSE(PackageDescription::Parse(QString::fromUtf8(GetParam().text), &error));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8(GetParam().expectedStart))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PackageDescriptionErrorTest,
    ::testing::Values(
        BadDescription{"group a\nitem x x=1 y=2 slot=3 scale=1\n", "no \"folder\""},
        BadDescription{"folder f\nitem x x=1 y=2 slot=3 scale=1\n", "line 2: \"item\" before"},
        BadDescription{"folder f\ngroup g\nitem x x=1 y=2 slot=3\n", "line 3: \"scale=\" is missing"},
        BadDescription{"folder f\ngroup g\nitem x x=1 y=2 slot=3 scale=0\n", "line 3: scale"},
        BadDescription{"folder f\ngroup g\nitem x x=1 y=2 slot=3 scale=nan\n", "line 3: scale"},
        BadDescription{"folder f\ngroup g\nitem x x=a y=2 slot=3 scale=1\n", "line 3: x"},
        BadDescription{"folder f\ngroup g\nitem x x=1 y=2 slot=3 scale=1 z=4\n", "line 3: unknown key"},
        BadDescription{"folder f\ngroup g\nitem x x=1 x=1 y=2 slot=3 scale=1\n", "line 3: \"x\" given"},
        BadDescription{"folder f\ngroup g\nitem x x=1 y=2 slot=3 scale=1 junk\n", "line 3: expected"},
        BadDescription{"folder f\ngroup\n", "line 2: a group needs"},
        BadDescription{"folder f\nfolder g\n", "line 2: the folder"},
        BadDescription{"folder f\nwhat\n", "line 2: unknown"}));

TEST(PackageDescriptionTest, MoreThan166RecordsAreRefused) {
    QString text = QStringLiteral("folder f\ngroup g\n");
    for (int i = 0; i < 165; ++i)
        text += QStringLiteral("item n%1 x=0 y=0 slot=0 scale=1\n").arg(i);
    QString error;
    EXPECT_TRUE(PackageDescription::Parse(text, &error)) << error.toStdString();
    text += QStringLiteral("item last x=0 y=0 slot=0 scale=1\n");
    EXPECT_FALSE(PackageDescription::Parse(text, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 168:"))) << error.toStdString();
}
