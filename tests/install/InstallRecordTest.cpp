#include "install/model/InstallRecord.h"
#include "install/model/InstallRecordReader.h"
#include "install/model/InstallRecordWriter.h"
#include "platform/Gbk.h"

#include "InstallSandbox.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using vx7::install::InstallRecord;
using vx7::install::InstallRecordReader;
using vx7::install::InstallRecordWriter;
using vx7::test::InstallSandbox;

namespace {

QByteArray Gbk(const QString& s) {
    return *vx7::platform::ToGbk(s);
}

struct FieldCase {
    const char* name;
    std::size_t offset;
    std::size_t size;
    std::function<bool(InstallRecord&, const QString&)> set;
    QString value;
};

std::ostream& operator<<(std::ostream& os, const FieldCase& c) {
    return os << c.name;
}

class RecordFieldTest : public ::testing::TestWithParam<FieldCase> {};

} // namespace

TEST_P(RecordFieldTest, TextLandsAtItsOffsetInGbkWithTerminatorAndNothingElseMoves) {
    const FieldCase& c = GetParam();
    InstallRecord r;
    ASSERT_TRUE(c.set(r, c.value));
    const auto& b = r.RawBytes();
    const QByteArray expected = Gbk(c.value);
    ASSERT_LT(static_cast<std::size_t>(expected.size()), c.size);
    EXPECT_EQ(QByteArray(b.data() + c.offset, expected.size()), expected);
    EXPECT_EQ(b[c.offset + static_cast<std::size_t>(expected.size())], '\0');
    for (std::size_t i = 0; i < InstallRecord::kSize; ++i) {
        const bool inField = i >= c.offset && i < c.offset + c.size;
        const bool inSlashField = c.offset == InstallRecord::kProgramOffset &&
                                  i >= InstallRecord::kProgramSlashOffset &&
                                  i < InstallRecord::kProgramSlashOffset + InstallRecord::kProgramSlashSize;
        if (!inField && !inSlashField) {
            ASSERT_EQ(b[i], '\0') << "byte " << i << " outside the field changed";
        }
    }
}

TEST_P(RecordFieldTest, TextThatDoesNotFitLeavesTheFieldEmptyRatherThanCut) {
    const FieldCase& c = GetParam();
    InstallRecord r;
    ASSERT_TRUE(c.set(r, c.value));
    const QString tooLong = "/" + QString(static_cast<int>(c.size), u'x');
    EXPECT_FALSE(c.set(r, tooLong));
    for (std::size_t i = c.offset; i < c.offset + c.size; ++i)
        ASSERT_EQ(r.RawBytes()[i], '\0') << "at " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RecordFieldTest,
    ::testing::Values(
        FieldCase{"version", 198, 20, [](InstallRecord& r, const QString& v) { return r.SetVersion(v); },
                  "2011.07.28 V1.5"},
        FieldCase{"program", 636, 512,
                  [](InstallRecord& r, const QString& v) { return r.SetProgramFolder(v); },
                  "/home/u/我的目录/摄像头拍照(动画)Snapo2011"},
        FieldCase{"top", 1148, 256, [](InstallRecord& r, const QString& v) { return r.SetTopFolder(v); },
                  "/home/u/Vantor摄像头拍照Snapo"},
        FieldCase{"group", 1404, 356, [](InstallRecord& r, const QString& v) { return r.SetGroupFolder(v); },
                  "/home/u/.local/share/applications/摄像头拍照(动画)Snapo"},
        FieldCase{"desktop", 1760, 256,
                  [](InstallRecord& r, const QString& v) { return r.SetDesktopShortcut(v); },
                  "/home/u/Desktop/Vantor摄像头拍照(动画)Snapo.desktop"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstallRecordTest, DateIsSpacePaddedYearMonthDay) {
    InstallRecord r;
    r.SetDate(QDate(2026, 1, 5));
    EXPECT_EQ(QByteArray(r.RawBytes().data() + 140, 11), QByteArray("2026. 1. 5\0", 11));
    r.SetDate(QDate(2011, 12, 28));
    EXPECT_EQ(r.Date(), QString("2011.12.28"));
}

TEST(InstallRecordTest, ProgramFolderAlsoGoesWithSlashIntoTheShortFieldCutAtWholeCharacters) {
    InstallRecord r;
    r.SetProgramFolder("/p/摄像头拍照(动画)Snapo2011");
    EXPECT_EQ(r.ProgramFolderWithSlash(), QString("/p/摄像头拍照(动画)Snapo2011/"));
    // "/a" and 28 double-byte characters: 55 bytes hold "/a" and 26 of them, never half of one.
    const QString longPath = "/a" + QString(28, QChar(0x6444));
    r.SetProgramFolder(longPath);
    const QByteArray slash(r.RawBytes().data() + 237, static_cast<int>(r.FieldLength(237, 56)));
    EXPECT_EQ(slash.size(), 54);
    EXPECT_EQ(vx7::platform::FromGbk(slash), longPath.left(28));
    EXPECT_EQ(r.ProgramFolder(), longPath);
}

TEST(InstallRecordTest, TopCreatedByteIsYOrSpaceAndOnlyYCounts) {
    InstallRecord r;
    EXPECT_FALSE(r.TopCreated()) << "a record without the byte (zero) means the folder existed";
    r.SetTopCreated(true);
    EXPECT_EQ(r.RawBytes()[1], 'Y');
    EXPECT_TRUE(r.TopCreated());
    r.SetTopCreated(false);
    EXPECT_EQ(r.RawBytes()[1], ' ');
    EXPECT_FALSE(r.TopCreated());
}

TEST(InstallRecordTest, BothFilesCarryTheirMarkerVersionAndLength) {
    InstallSandbox box;
    InstallRecord r;
    r.SetTopCreated(true);
    r.SetDate(QDate(2026, 3, 14));
    r.SetProgramFolder("/t/摄像头拍照(动画)Snapo2011");
    r.SetTopFolder("/t");
    const QString a = box.Root() + "/vx7ECameraInstInfo.3re";
    const QString s = box.Root() + "/VX7lothInfo.3fg";
    ASSERT_TRUE(InstallRecordWriter::WriteProgramFile(r, a));
    ASSERT_TRUE(InstallRecordWriter::WriteInformationFile(r, s));

    const QByteArray fa = InstallSandbox::Read(a);
    ASSERT_EQ(fa.size(), 4380);
    EXPECT_EQ(fa[0], 'A');
    EXPECT_EQ(fa.mid(198, 16), QByteArray("2011.07.28 V1.5\0", 16));

    const QByteArray fs = InstallSandbox::Read(s);
    ASSERT_EQ(fs.size(), 4559);
    EXPECT_EQ(fs[0], 'S');
    EXPECT_EQ(fs.mid(198, 18), QByteArray("2006.02.16 V1.5.0\0", 18));
    EXPECT_EQ(fs.mid(4380, 179), fs.left(179)) << "the first 179 bytes are repeated at the end";
    EXPECT_EQ(fs.mid(1148, 3), QByteArray("/t\0", 3));
    EXPECT_EQ(fs[1], 'Y');
    // Apart from marker and version the two records are the same.
    for (int i = 1; i < 4380; ++i) {
        if (i >= 198 && i < 218)
            continue;
        ASSERT_EQ(fa[i], fs[i]) << "byte " << i;
    }
    EXPECT_TRUE(QFileInfo(a).isWritable());
}

TEST(InstallRecordTest, WriterReplacesReadOnlyFilesAndLinksWithoutWritingThroughThem) {
    InstallSandbox box;
    const QString outside = InstallSandbox::Write(box.Root() + "/outside.txt", "keep me");
    const QString link = box.Root() + "/VX7lothInfo.3fg";
    ASSERT_TRUE(QFile::link(outside, link));
    const QString readOnly = InstallSandbox::Write(box.Root() + "/ro.3re", "old");
    QFile::setPermissions(readOnly, QFile::ReadOwner);

    InstallRecord r;
    r.SetTopFolder("/x/y");
    ASSERT_TRUE(InstallRecordWriter::WriteInformationFile(r, link));
    ASSERT_TRUE(InstallRecordWriter::WriteProgramFile(r, readOnly));
    EXPECT_EQ(InstallSandbox::Read(outside), QByteArray("keep me"));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(InstallSandbox::Read(link).size(), 4559);
    EXPECT_EQ(InstallSandbox::Read(readOnly).size(), 4380);
    EXPECT_TRUE(QFile::permissions(readOnly) & QFile::WriteOwner);
}

TEST(InstallRecordTest, WriterReportsAFolderItCannotWriteInto) {
    InstallRecord r;
    QString error;
    EXPECT_FALSE(InstallRecordWriter::WriteProgramFile(r, "/nonexistent-folder-vx7/x.3re", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(InstallRecordTest, ReaderTakesWhatAShortFileHoldsAndSaysHowMuch) {
    InstallSandbox box;
    QByteArray bytes(2000, '\0');
    bytes[0] = 'S';
    memcpy(bytes.data() + 1148, "/short", 6);
    const QString path = InstallSandbox::Write(box.Root() + "/short.3fg", bytes);
    const auto file = InstallRecordReader::Read(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->bytesRead, 2000u);
    EXPECT_EQ(file->record.TopFolder(), QString("/short"));
    EXPECT_EQ(file->record.DesktopShortcut(), QString()) << "past the end stays empty";

    const auto limited = InstallRecordReader::Read(path, 1500);
    ASSERT_TRUE(limited);
    EXPECT_EQ(limited->bytesRead, 1500u);

    QString error;
    EXPECT_FALSE(InstallRecordReader::Read(box.Root() + "/missing.3fg", 4380, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(InstallRecordReader::Read(box.Root())) << "a folder is no record";
}

TEST(InstallRecordTest, UnterminatedFieldIsReadWithinItsBoundsAndReportedAsSuch) {
    QByteArray bytes(4380, 'x');
    const InstallRecord r = InstallRecord::FromBytes(std::span<const char>(bytes.constData(), 4380));
    EXPECT_FALSE(r.FieldTerminated(1148, 256));
    EXPECT_EQ(r.TopFolder().size(), 256);
    EXPECT_EQ(r.FieldLength(1148, 256), 256u);
}
