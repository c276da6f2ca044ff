#include "core/LittleEndian.h"
#include "core/PathParts.h"
#include "core/SaveFile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::core;

using vx7::test::ReadAll;

TEST(PathPartsTest, DirectoryAndTitle) {
    EXPECT_EQ(FileTitlePart("/home/u/photo.one.bmp"), QString("photo"));
    EXPECT_EQ(FileTitlePart("/home/u/"), QString());
    EXPECT_EQ(FileTitlePart("photo.bmp"), QString());
    EXPECT_EQ(FileTitlePart("/a/noext"), QString("noext"));
    EXPECT_EQ(DirectoryPart("/c/a/photo.bmp"), QString("/c/a"));
    EXPECT_EQ(DirectoryPart("photo.bmp"), QString());
    const QString longPath = "/" + QString(300, 'd') + "/f.bmp";
    EXPECT_EQ(DirectoryPart(longPath), QString()) << "only the first 256 characters are searched";
}

// The one join serves the installation folder of the settings, the material library's
// stored folders and the installer's chosen drive roots.
TEST(PathPartsTest, JoinPutsExactlyOneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(JoinPath("/opt/cam", "tmpBmpData"), QString("/opt/cam/tmpBmpData"));
    EXPECT_EQ(JoinPath("/opt/cam/", "tmpBmpData"), QString("/opt/cam/tmpBmpData"));
    EXPECT_EQ(JoinPath("/", "摄像头"), QString("/摄像头")) << "a drive root gives no double slash";
    EXPECT_EQ(JoinPath("", "饰品/试衣及按钮图片"), QString("饰品/试衣及按钮图片"))
        << "no folder never means the file-system root";
    EXPECT_EQ(JoinPath(JoinPath("/i", "a"), "b.png"), QString("/i/a/b.png"));
}

TEST(PathPartsTest, StoredPathNeedsMoreThanTwoCharacters) {
    EXPECT_FALSE(IsStoredPath(QString()));
    EXPECT_FALSE(IsStoredPath("/a"));
    EXPECT_FALSE(IsStoredPath("C:"));
    EXPECT_TRUE(IsStoredPath("/ab"));
}

TEST(LittleEndianTest, FieldsHaveTheirBytesLowFirst) {
    char buffer[12] = {};
    WriteLe16(buffer, 0, 0x1234);
    WriteLeInt32(buffer, 2, -2);
    WriteLeFloat32(buffer, 6, 1.0f);
    EXPECT_EQ(QByteArray(buffer, 10), QByteArray("\x34\x12\xFE\xFF\xFF\xFF\x00\x00\x80\x3F", 10));
    EXPECT_EQ(ReadLe16(buffer, 0), 0x1234);
    EXPECT_EQ(ReadLeInt32(buffer, 2), -2);
    EXPECT_EQ(ReadLeFloat32(buffer, 6), 1.0f);
    const unsigned char high[2] = {0xFF, 0xFF};
    EXPECT_EQ(ReadLe16(high, 0), 0xFFFF) << "16-bit fields are unsigned";

    QByteArray out("G");
    AppendLe16(out, 640);
    AppendLe32(out, 70000);
    WriteLe32(buffer, 0, 0xA1B2C3D4u);
    EXPECT_EQ(out, QByteArray("G\x80\x02\x70\x11\x01\x00", 7));
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("\xD4\xC3\xB2\xA1", 4));
}

struct SaveFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(SaveFileTest, ReplacesTheWholeFile) {
    const QString path = Path("a.bin");
    ASSERT_TRUE(SaveWholeFile(path, QByteArray(100, 'x')));
    ASSERT_TRUE(SaveWholeFile(path, "short"));
    EXPECT_EQ(ReadAll(path), QByteArray("short")) << "nothing of the longer old file is left";
    EXPECT_EQ(Entries(), QStringList{"a.bin"});
}

TEST_F(SaveFileTest, AWriterThatGivesUpPartwayLeavesTheOldFile) {
    const QString path = Path("record.e3f");
    ASSERT_TRUE(SaveWholeFile(path, "the old record"));
    QString why;
    const bool saved = SaveWholeFileWith(
        path,
        [](QIODevice& file, QString* reason) {
            file.write("half of a new");
            *reason = QStringLiteral("frame 3 cannot be read");
            return false;
        },
        &why);
    EXPECT_FALSE(saved);
    EXPECT_EQ(why, QString("frame 3 cannot be read"));
    EXPECT_EQ(ReadAll(path), QByteArray("the old record"));
    EXPECT_EQ(Entries(), QStringList{"record.e3f"}) << "the temporary file is removed";
}

TEST_F(SaveFileTest, AFolderThatIsNotThereIsAnErrorWithAReason) {
    QString why;
    EXPECT_FALSE(SaveWholeFile(Path("missing/a.bin"), "x", &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("missing/a.bin")));
}
