// Reading files named by users or folder listings: only regular files, never more than
// the cap, and never a wait on a FIFO.
#include "platform/RegularFile.h"

#include "support/HostileFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::platform;

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

} // namespace

TEST(RegularFileTest, ReadsARegularFileWholeAndThroughALink) {
    QTemporaryDir dir;
    const QString path = Write(dir, "a.gif", QByteArray("GIF89a") + QByteArray(100, 'x'));
    ASSERT_TRUE(QFile::link(path, dir.filePath("link.gif")));
    for (const QString& name : {path, dir.filePath("link.gif")}) {
        QByteArray bytes;
        QString error;
        EXPECT_TRUE(IsRegularFile(name));
        ASSERT_TRUE(ReadRegularFile(name, 106, bytes, &error)) << error.toStdString();
        EXPECT_EQ(bytes.size(), 106);
    }
    QByteArray empty;
    EXPECT_TRUE(ReadRegularFile(Write(dir, "empty", {}), 10, empty));
    EXPECT_TRUE(empty.isEmpty());
}

TEST(RegularFileTest, RefusesFilesAboveTheCap) {
    QTemporaryDir dir;
    const QString path = Write(dir, "big", QByteArray(1000, 'x'));
    QByteArray bytes("stale");
    QString error;
    EXPECT_FALSE(ReadRegularFile(path, 999, bytes, &error));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_TRUE(error.contains("larger")) << error.toStdString();
}

// A FIFO must be refused at once (opening it for reading would wait for a writer), a
// link to /dev/zero without reading (it never ends), and anything else that is not a
// regular file likewise.
TEST(RegularFileTest, SpecialFilesAreRefusedWithoutWaitingOrReading) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.gif");
    ASSERT_TRUE(vx7::test::MakeFifo(fifo));
    const QString zero = dir.filePath("zero.gif");
    ASSERT_TRUE(vx7::test::LinkToDevZero(zero));
    const QString dangling = dir.filePath("dangling.gif");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dangling));
    QDir(dir.path()).mkdir("folder.gif");
    for (const QString& name : {fifo, zero, dangling, dir.filePath("folder.gif"), dir.filePath("missing.gif"),
                                QStringLiteral("/dev/zero"), QString()}) {
        QElapsedTimer timer;
        timer.start();
        QByteArray bytes;
        QString error;
        EXPECT_FALSE(IsRegularFile(name)) << name.toStdString();
        EXPECT_FALSE(ReadRegularFile(name, qint64{1} << 40, bytes, &error)) << name.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(bytes.isEmpty());
        EXPECT_LT(timer.elapsed(), 2000) << name.toStdString();
    }
}
