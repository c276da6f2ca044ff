#include "materials/MaterialPackageReader.h"
#include "core/LittleEndian.h"
#include "materials/MaterialPackageWriter.h"
#include "platform/Gbk.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vx7::materials;
using P = MaterialPackage;

namespace {

MaterialRecord Material(char group, const QString& name, int x, int y, int layer, float scale) {
    MaterialRecord r;
    r.group = group;
    r.pictureName = name;
    r.x = x;
    r.y = y;
    r.layer = layer;
    r.scale = scale;
    return r;
}

MaterialRecord Title(char group, const QString& title) {
    MaterialRecord r;
    r.group = group;
    r.type = MaterialRecord::kTitleType;
    r.title = title;
    return r;
}

QByteArray Bytes(const MaterialPackage& p) {
    const auto bytes = MaterialPackageWriter::Serialize(p);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(QByteArray());
}

// A package with every block present: two records, two extra records, 5 trailing bytes.
MaterialPackage FullPackage() {
    MaterialPackage p;
    p.pictureFolder = QStringLiteral("秋冬新款女装/试衣及按钮图片");
    p.records = {Title('A', QStringLiteral("外套")),
                 Material('A', QStringLiteral("驼色大衣"), 150, -12, 130, 0.5f)};
    p.extraRecords = QByteArray(2 * P::kExtraRecordSize, '\x5A');
    p.trailing = QByteArray("notes");
    return p;
}

void PutInt(QByteArray& bytes, qsizetype offset, qint32 v) {
    vx7::core::WriteLeInt32(bytes.data(), offset, v);
}

constexpr qsizetype kRecords = P::kHeaderSize + P::kLayoutSize;

} // namespace

TEST(MaterialPackageReaderTest, WrittenPackageReadsBackFieldForField) {
    const MaterialPackage in = FullPackage();
    const QByteArray bytes = Bytes(in);
    ASSERT_EQ(bytes.size(), 372 + 296 + 2 * 544 + 2 * 348 + 5);
    QString error;
    const auto out = MaterialPackageReader::Parse(bytes, &error);
    ASSERT_TRUE(out) << error.toStdString();
    EXPECT_EQ(out->pictureFolder, in.pictureFolder);
    ASSERT_EQ(out->records.size(), 2u);
    EXPECT_TRUE(out->records[0].IsTitle());
    EXPECT_EQ(out->records[0].title, QStringLiteral("外套"));
    const MaterialRecord& m = out->records[1];
    EXPECT_EQ(m.group, 'A');
    EXPECT_EQ(m.pictureName, QStringLiteral("驼色大衣"));
    EXPECT_EQ(m.x, 150);
    EXPECT_EQ(m.y, -12);
    EXPECT_EQ(m.layer, 130);
    EXPECT_FLOAT_EQ(m.scale, 0.5f);
    EXPECT_EQ(out->ExtraRecordCount(), 2);
    EXPECT_EQ(out->extraRecords, in.extraRecords);
    EXPECT_EQ(out->trailing, QByteArray("notes"));
}

// Each field sits at its fixed offset in the file, little-endian.
struct FieldCase {
    const char* name;
    qsizetype offset;
    qint32 value;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class MaterialPackageOffsetTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(MaterialPackageOffsetTest, FieldIsStoredAtItsOffset) {
    MaterialPackage p = FullPackage();
    p.records[1].x = 0x01020304;
    p.records[1].y = 0x05060708;
    p.records[1].layer = 0x0A0B0C0D;
    const QByteArray bytes = Bytes(p);
    const auto& c = GetParam();
    EXPECT_EQ(vx7::core::ReadLeInt32(bytes.constData(), c.offset), c.value) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Layout, MaterialPackageOffsetTest,
                         ::testing::Values(FieldCase{"record count", 368, 2},
                                           FieldCase{"extra count", 372 + 268, 2},
                                           FieldCase{"trailing size", 372 + 276, 5},
                                           FieldCase{"x", kRecords + 544 + 516, 0x01020304},
                                           FieldCase{"y", kRecords + 544 + 520, 0x05060708},
                                           FieldCase{"layer", kRecords + 544 + 524, 0x0A0B0C0D}),
                         [](const auto& info) {
                             std::string s = info.param.name;
                             for (char& ch : s)
                                 if (ch == ' ')
                                     ch = '_';
                             return s;
                         });

TEST(MaterialPackageReaderTest, TextsAreGbkAtTheirOffsets) {
    const QByteArray bytes = Bytes(FullPackage());
    const QByteArray folder = *vx7::platform::ToGbk(QStringLiteral("秋冬新款女装/试衣及按钮图片"));
    EXPECT_EQ(bytes.mid(2, folder.size()), folder);
    EXPECT_EQ(bytes[2 + folder.size()], '\0');
    EXPECT_EQ(bytes[kRecords + 1], 'T');
    EXPECT_EQ(bytes.mid(kRecords + 3, 4), *vx7::platform::ToGbk(QStringLiteral("外套")));
    EXPECT_EQ(bytes.mid(kRecords + 544 + 85, 8), *vx7::platform::ToGbk(QStringLiteral("驼色大衣")));
    float scale;
    std::memcpy(&scale, bytes.constData() + kRecords + 544 + 540, 4);
    EXPECT_FLOAT_EQ(scale, 0.5f);
}

TEST(MaterialPackageReaderTest, EmptyPackageIsJustTheTwoHeaders) {
    MaterialPackage p;
    const QByteArray bytes = Bytes(p);
    EXPECT_EQ(bytes.size(), 668);
    const auto out = MaterialPackageReader::Parse(bytes);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->records.empty());
}

TEST(MaterialPackageReaderTest, BytesAfterTheLastBlockAreIgnored) {
    const auto out = MaterialPackageReader::Parse(Bytes(FullPackage()) + QByteArray(1000, 'z'));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->trailing, QByteArray("notes"));
}

// Every cut of a valid file short of its full length is refused, never read past.
TEST(MaterialPackageReaderTest, EveryTruncationIsRefused) {
    const QByteArray bytes = Bytes(FullPackage());
    for (qsizetype cut :
         {qsizetype(0), qsizetype(1), qsizetype(371), qsizetype(372), qsizetype(667), kRecords,
          kRecords + 543, kRecords + 1088, kRecords + 1088 + 347, bytes.size() - 1}) {
        QString error;
        // A detached copy, so a read past the cut would reach memory outside the buffer.
        const QByteArray shortFile(bytes.constData(), cut);
        EXPECT_FALSE(MaterialPackageReader::Parse(shortFile, &error)) << "cut at " << cut;
        EXPECT_FALSE(error.isEmpty());
    }
}

struct CountCase {
    const char* name;
    qsizetype offset;
    qint32 value;
    bool accepted;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.name;
}

class MaterialPackageCountTest : public ::testing::TestWithParam<CountCase> {};

// Counts are checked against the capacities before the file length: a huge count
// never turns into a huge allocation or read.
TEST_P(MaterialPackageCountTest, CountsBeyondTheCapacitiesAreRefused) {
    const auto& c = GetParam();
    MaterialPackage p;
    QByteArray bytes = Bytes(p);
    PutInt(bytes, c.offset, c.value);
    if (c.accepted)
        bytes.append(QByteArray(P::kMaxFileSize, '\0'));
    QString error;
    EXPECT_EQ(MaterialPackageReader::Parse(bytes, &error).has_value(), c.accepted) << c.name;
    if (!c.accepted) {
        EXPECT_TRUE(error.contains(QString::number(c.value))) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, MaterialPackageCountTest,
                         ::testing::Values(CountCase{"records_at_capacity", 368, 166, true},
                                           CountCase{"records_over", 368, 167, false},
                                           CountCase{"records_negative", 368, -1, false},
                                           CountCase{"records_huge", 368, 0x7FFFFFFF, false},
                                           CountCase{"extra_at_capacity", 372 + 268, 425, true},
                                           CountCase{"extra_over", 372 + 268, 426, false},
                                           CountCase{"extra_negative", 372 + 268, -5, false},
                                           CountCase{"trailing_at_capacity", 372 + 276, 76640, true},
                                           CountCase{"trailing_over", 372 + 276, 76641, false},
                                           CountCase{"trailing_negative", 372 + 276, -76640, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaterialPackageReaderTest, UnterminatedTextsStopAtTheirFieldEnds) {
    MaterialPackage p;
    p.records = {Material('A', QStringLiteral("x"), 1, 2, 3, 1.0f)};
    QByteArray bytes = Bytes(p);
    // Fill the folder field and the record's title and name fields without any NUL.
    std::memset(bytes.data() + 2, 'f', 366);
    std::memset(bytes.data() + kRecords + 3, 't', 82);
    std::memset(bytes.data() + kRecords + 85, 'n', 431);
    const auto out = MaterialPackageReader::Parse(bytes);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->pictureFolder, QString(366, QLatin1Char('f')));
    EXPECT_EQ(out->records[0].title, QString(82, QLatin1Char('t')));
    EXPECT_EQ(out->records[0].pictureName, QString(431, QLatin1Char('n')));
    EXPECT_EQ(out->records[0].x, 1);
}

TEST(MaterialPackageReaderTest, MissingFileIsRefusedWithItsPath) {
    QString error;
    EXPECT_FALSE(MaterialPackageReader::ReadFile(QStringLiteral("/nonexistent/none.dm3"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.dm3")));
}

TEST(MaterialPackageWriterTest, RefusesWhatTheFormatCannotHold) {
    QString error;
    MaterialPackage tooMany;
    tooMany.records.resize(167);
    EXPECT_FALSE(MaterialPackageWriter::Serialize(tooMany, &error));

    MaterialPackage longName;
    longName.records = {Material('A', QString(431, QLatin1Char('n')), 0, 0, 0, 1.0f)};
    EXPECT_FALSE(MaterialPackageWriter::Serialize(longName, &error));
    longName.records[0].pictureName = QString(430, QLatin1Char('n'));
    EXPECT_TRUE(MaterialPackageWriter::Serialize(longName, &error));

    MaterialPackage notGbk;
    notGbk.records = {Material('A', QStringLiteral("\U0001F600"), 0, 0, 0, 1.0f)};
    EXPECT_FALSE(MaterialPackageWriter::Serialize(notGbk, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("GBK")));

    MaterialPackage ragged;
    ragged.extraRecords = QByteArray(100, '\0');
    EXPECT_FALSE(MaterialPackageWriter::Serialize(ragged, &error));
}
