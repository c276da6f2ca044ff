#include "materials/RecordList.h"
#include "core/LittleEndian.h"
#include "materials/RecordListDescription.h"
#include "platform/Gbk.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vx7::materials;
using F = RecordListFile;

namespace {

// Builds lists record by record: 'H' headings and items, each naming a string.
struct ListBuilder {
    F list;
    int Add(char kind, const QByteArray& name) {
        F::Record r = F::BlankRecord();
        r[F::kKindOffset] = kind;
        list.entries.push_back({static_cast<qint32>(list.data.size()), static_cast<qint32>(name.size()), 0});
        list.data.append(name);
        F::SetField(r, F::kNameField, static_cast<qint32>(list.entries.size() - 1));
        list.records.push_back(r);
        return static_cast<int>(list.records.size() - 1);
    }
    // Names given in UTF-8 are stored in GBK, as in real lists.
    ListBuilder& H(const char* name) {
        Add('H', Gbk(name));
        return *this;
    }
    ListBuilder& I(const char* name = "item") {
        Add('I', Gbk(name));
        return *this;
    }
    ListBuilder& RawItem(const QByteArray& bytes) {
        Add('I', bytes);
        return *this;
    }
    static QByteArray Gbk(const char* utf8) { return *vx7::platform::ToGbk(QString::fromUtf8(utf8)); }
    QByteArray Bytes() const { return *list.Serialize(); }
};

struct RecordListTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    RecordList holder{home.Path()};

    void Write(char kind, const QByteArray& bytes) {
        const QString path = holder.ListPath(kind);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Load(char kind, const ListBuilder& b) {
        Write(kind, b.Bytes());
        QString error;
        ASSERT_TRUE(holder.LoadRecordList(kind, &error)) << error.toStdString();
    }
};

void PutInt(QByteArray& bytes, qsizetype offset, qint32 v) {
    vx7::core::WriteLeInt32(bytes.data(), offset, v);
}

} // namespace

TEST_F(RecordListTest, NamesAndPathsByKind) {
    EXPECT_EQ(holder.ListPath('B'), home.Path() + "/服饰图标/服饰图标列表.g3d");
    EXPECT_EQ(holder.ListPath('b'), home.Path() + "/服饰图标/服饰图标列表.g3d");
    EXPECT_EQ(holder.ListPath('C'), home.Path() + "/通用图标/通用图标列表.g3d");
    EXPECT_EQ(holder.ListPath('c'), home.Path() + "/通用图标/通用图标列表.g3d");
    EXPECT_EQ(holder.ListPath('A'), home.Path() + "/搭配图片/搭配图片记录表.g3d");
    EXPECT_EQ(holder.ListPath(' '), home.Path() + "/搭配图片/搭配图片记录表.g3d");
}

TEST_F(RecordListTest, BeforeAnyLoadTheHolderIsEmpty) {
    EXPECT_EQ(holder.LoadedRecordKind(), ' ');
    EXPECT_EQ(holder.BuildRecordIndex(0), 0);
    EXPECT_EQ(holder.GroupCount(), 0);
    EXPECT_TRUE(holder.RecordString(0).isEmpty());
    const F::Record blank = F::BlankRecord();
    EXPECT_EQ(QByteArray(blank.data(), 9), QByteArray(9, ' '));
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(F::Field(blank, k), -1);
}

TEST_F(RecordListTest, LoadListsEveryItemAndNamesTheGroups) {
    ListBuilder b;
    b.I("loose").H("春").I().I().H("夏").I().H("秋");
    Load('A', b);
    EXPECT_EQ(holder.LoadedRecordKind(), 'A');
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{0, 2, 3, 5}));
    EXPECT_EQ(holder.GroupCount(), 3);
    EXPECT_EQ(holder.GroupAt(1).name, QStringLiteral("春"));
    EXPECT_EQ(holder.GroupAt(1).headingRecord, 1);
    EXPECT_EQ(holder.GroupAt(1).itemCount, 2);
    EXPECT_EQ(holder.GroupAt(2).headingRecord, 4);
    EXPECT_EQ(holder.GroupAt(2).itemCount, 1);
    EXPECT_EQ(holder.GroupAt(3).name, QStringLiteral("秋"));
    EXPECT_EQ(holder.GroupAt(3).itemCount, 0);
    EXPECT_TRUE(holder.GroupAt(4).name.isEmpty());
}

TEST_F(RecordListTest, KindCSkipsTheFirstRecordEvenWhenItIsAHeading) {
    ListBuilder b;
    b.H("ignored").I().H("one").I().I();
    Load('C', b);
    EXPECT_EQ(holder.GroupCount(), 1);
    EXPECT_EQ(holder.GroupAt(1).name, QStringLiteral("one"));
    // Record 1 comes before the first counted heading: no group, listed only with 0.
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(holder.BuildRecordIndex(1), 2);
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{3, 4}));
}

TEST_F(RecordListTest, KindBSkipsTheFirstItemButOtherKindsDoNot) {
    ListBuilder b;
    b.I("lead").I().I();
    Load('B', b);
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{1, 2}));
    Load('A', b);
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{0, 1, 2}));
}

TEST_F(RecordListTest, GroupTwoStopsAtTheFirstItemAfterTheThirdHeading) {
    ListBuilder b;
    b.H("g1").I().H("g2").I().I().H("g3").H("g4").I().H("g5").I();
    Load('A', b);
    EXPECT_EQ(holder.BuildRecordIndex(2), 2);
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{3, 4}));
    // The walk ended at record 8 (after headings g3 and g4), so g5 was never seen.
    EXPECT_EQ(holder.GroupCount(), 4);
    EXPECT_EQ(holder.GroupAt(2).itemCount, 2);
    EXPECT_EQ(holder.GroupAt(4).name, QStringLiteral("g4"));
    EXPECT_TRUE(holder.GroupAt(5).name.isEmpty());
}

TEST_F(RecordListTest, OnlyTheFirstSixteenGroupsKeepTheirDetails) {
    ListBuilder b;
    for (int g = 1; g <= 18; ++g)
        b.H(QByteArray::number(g).constData()).I();
    Load('A', b);
    EXPECT_EQ(holder.GroupCount(), 18);
    EXPECT_EQ(holder.GroupAt(16).name, QStringLiteral("16"));
    EXPECT_EQ(holder.GroupAt(16).itemCount, 1);
    EXPECT_TRUE(holder.GroupAt(17).name.isEmpty());
    EXPECT_EQ(holder.BuildRecordIndex(18), 1);
    EXPECT_EQ(holder.ListedRecords(), std::vector<int>{35});
}

TEST_F(RecordListTest, StringsAreCutAt250BytesAndNeverReadPastTheData) {
    ListBuilder b;
    b.RawItem(QByteArray(300, 'x'));
    F& l = b.list;
    l.data.append("tail");
    const qint32 size = static_cast<qint32>(l.data.size());
    l.entries.push_back({size - 4, 100, 0}); // 1: length past the data
    l.entries.push_back({-1, 3, 0});         // 2: negative offset
    l.entries.push_back({size, 1, 0});       // 3: offset at the end
    l.entries.push_back({0, -7, 0});         // 4: negative length
    l.entries.push_back({0, 0, 0});          // 5: empty
    Load('A', b);
    EXPECT_EQ(holder.RecordStringBytes(0), QByteArray(250, 'x'));
    EXPECT_EQ(holder.RecordString(0), QString(250, QLatin1Char('x')));
    EXPECT_EQ(holder.RecordStringBytes(1), QByteArray("tail"));
    for (int e : {2, 3, 4, 5, 6, -1})
        EXPECT_TRUE(holder.RecordStringBytes(e).isEmpty()) << e;
}

TEST_F(RecordListTest, TextNeverEndsInHalfADoubleByteCharacter) {
    ListBuilder b;
    // 249 ASCII bytes, then one GBK character (2 bytes): the 250-byte cut falls inside it.
    b.RawItem(QByteArray(249, 'a') + QByteArray("\xC4\xE3"));
    Load('A', b);
    EXPECT_EQ(holder.RecordStringBytes(0).size(), 250);
    EXPECT_EQ(holder.RecordString(0), QString(249, QLatin1Char('a')));
}

TEST_F(RecordListTest, MissingFileReturnsFalseAndKeepsThePreviousList) {
    ListBuilder b;
    b.H("kept").I();
    Load('A', b);
    EXPECT_FALSE(holder.LoadRecordList('B'));
    EXPECT_EQ(holder.LoadedRecordKind(), 'A');
    EXPECT_EQ(holder.GroupAt(1).name, QStringLiteral("kept"));
    EXPECT_EQ(holder.ListedRecords(), std::vector<int>{1});
}

struct HostileCase {
    const char* name;
    qsizetype offset; // header field to overwrite, or -1 to cut the file
    qint32 value;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordListHostileTest : public RecordListTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(RecordListHostileTest, IsRefusedAndThePreviousListStays) {
    ListBuilder good;
    good.H("kept").I().I();
    Load('A', good);

    ListBuilder b;
    b.H("bad").I();
    QByteArray bytes = b.Bytes();
    const auto& c = GetParam();
    if (c.offset < 0)
        bytes = QByteArray(bytes.constData(), c.value); // detached: nothing to read past the cut
    else
        PutInt(bytes, c.offset, c.value);
    Write('C', bytes);
    QString error;
    EXPECT_FALSE(holder.LoadRecordList('C', &error)) << c.name;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(holder.LoadedRecordKind(), 'A');
    EXPECT_EQ(holder.GroupAt(1).name, QStringLiteral("kept"));
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, RecordListHostileTest,
    ::testing::Values(HostileCase{"records_601", 8, 601}, HostileCase{"records_negative", 8, -1},
                      HostileCase{"entries_3601", 12, 3601}, HostileCase{"entries_negative", 12, -2},
                      HostileCase{"data_436169", 16, 436169}, HostileCase{"data_negative", 16, INT32_MIN},
                      HostileCase{"records_beyond_file", 8, 3}, HostileCase{"empty_file", -1, 0},
                      HostileCase{"header_cut", -1, 31}, HostileCase{"records_cut", -1, 32 + 119},
                      HostileCase{"entries_cut", -1, 32 + 120 + 23},
                      HostileCase{"data_cut", -1, 32 + 120 + 24 + 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordListTest, CountsAtTheirLimitsAreAccepted) {
    F l;
    l.records.assign(600, F::BlankRecord());
    l.entries.assign(3600, F::Entry{});
    l.data = QByteArray(436168, 'd');
    Write('A', *l.Serialize());
    EXPECT_TRUE(holder.LoadRecordList('A'));
    EXPECT_EQ(holder.RecordCount(), 600);
    // The blank entries (-1, 0, 0) name nothing.
    EXPECT_TRUE(holder.GroupAt(1).name.isEmpty());
    l.records.push_back(F::BlankRecord());
    EXPECT_FALSE(l.Serialize());
}

TEST(RecordListDescriptionTest, BuildsHeadingsItemsAndTheStringTable) {
    const QString text = QStringLiteral("# a list\n"
                                        "lead 服饰图标列表\n"
                                        "heading 外套 类\n"
                                        "item 大衣 f0=7 f11=-3\n"
                                        "\n"
                                        "item 夹克\n");
    QString error;
    const auto list = RecordListDescription::Parse(text, &error);
    ASSERT_TRUE(list) << error.toStdString();
    ASSERT_EQ(list->records.size(), 4u);
    EXPECT_EQ(list->records[1][1], 'H');
    EXPECT_EQ(F::Field(list->records[2], 0), 7);
    EXPECT_EQ(F::Field(list->records[2], 11), -3);
    EXPECT_EQ(F::Field(list->records[2], 5), -1);
    RecordList holder;
    vx7::test::TempInstallFolder home;
    const QString path = home.Sub(QStringLiteral("l.g3d"));
    ASSERT_TRUE(list->WriteFile(path));
    ASSERT_TRUE(holder.LoadFile(path, 'B'));
    EXPECT_EQ(holder.GroupAt(1).name, QStringLiteral("外套 类"));
    EXPECT_EQ(holder.ListedRecords(), (std::vector<int>{2, 3}));
    EXPECT_EQ(holder.RecordString(F::Field(list->records[3], 1)), QStringLiteral("夹克"));
}

TEST(RecordListDescriptionTest, ErrorsNameTheirLine) {
    QString error;
    EXPECT_FALSE(RecordListDescription::Parse(QStringLiteral("heading a\nitem\n"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 2:"))) << error.toStdString();
    EXPECT_FALSE(RecordListDescription::Parse(QStringLiteral("item a f1=3\n"), &error));
    EXPECT_FALSE(RecordListDescription::Parse(QStringLiteral("item a f12=3\n"), &error));
    EXPECT_FALSE(RecordListDescription::Parse(QStringLiteral("bogus a\n"), &error));
    EXPECT_FALSE(RecordListDescription::Parse(QStringLiteral("heading\n"), &error));
}
