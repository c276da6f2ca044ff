// vx7tool as a user runs it: exit status, one-line failures, and files that the
// program's own readers accept.
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun Tool(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VX7_TOOL), args);
    if (!p.waitForFinished(120000))
        return {-1, QString(), QStringLiteral("timed out")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString Picture(const QTemporaryDir& dir, const QString& name, QColor colour, QSize size = QSize(64, 48)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    // A second colour so the frames are not flat.
    for (int x = 0; x < size.width(); ++x)
        img.setPixelColor(x, size.height() / 2, Qt::white);
    const QString path = dir.filePath(name);
    img.save(path);
    return path;
}

int FrameLines(const QString& info) {
    int n = 0;
    for (const QString& line : info.split(u'\n'))
        n += line.startsWith(QLatin1String("frame ")) ? 1 : 0;
    return n;
}

} // namespace

TEST(Vx7ToolGifTest, BuildInBothModesThenInfoListsEveryFrameWithItsDelay) {
    QTemporaryDir dir;
    const QStringList pictures = QStringList{Picture(dir, "a.png", Qt::red), Picture(dir, "b.png", Qt::green),
                                             Picture(dir, "c.bmp", Qt::blue)};
    for (const char* mode : {"0", "1"}) {
        const QString out = dir.filePath(QStringLiteral("out%1.gif").arg(mode));
        const ToolRun build = Tool(
            QStringList{"gif", "build", "--interval", "0.5", "--mode", QString::fromLatin1(mode), "-o", out} +
            pictures);
        ASSERT_EQ(build.status, 0) << mode << ": " << build.err.toStdString();
        const ToolRun info = Tool({"gif", "info", out});
        ASSERT_EQ(info.status, 0) << info.err.toStdString();
        EXPECT_EQ(FrameLines(info.out), 3) << info.out.toStdString();
        EXPECT_TRUE(info.out.contains("delay 50")) << info.out.toStdString();
        EXPECT_TRUE(info.out.contains("screen 64x48")) << info.out.toStdString();
    }
}

TEST(Vx7ToolGifTest, UnusablePicturesWriteNoFileAndFailWithOneLine) {
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.png");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture at all");
    f.close();
    const QString out = dir.filePath("none.gif");
    const ToolRun build = Tool({"gif", "build", "-o", out, junk});
    EXPECT_NE(build.status, 0);
    EXPECT_FALSE(QFileInfo::exists(out)) << "no one-byte GIF is left behind";
    const ToolRun info = Tool({"gif", "info", dir.filePath("missing.gif")});
    EXPECT_NE(info.status, 0);
    EXPECT_FALSE(info.err.trimmed().isEmpty());
    EXPECT_NE(Tool({"gif", "nonsense"}).status, 0);
}

TEST(Vx7ToolDm3Test, ListsTheShippedPackagesWithGroupsAndRecords) {
    const QString package = QStringLiteral(VX7_MEDIUM_DIR) + QStringLiteral("/vx7Ecamsys素材仓库/饰品.dm3");
    if (!QFileInfo::exists(package))
        GTEST_SKIP() << "the install medium is not laid out";
    const ToolRun list = Tool({"dm3", "list", package});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral("全部"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral("帽子"))) << list.out.toStdString();
    const ToolRun bad = Tool({"dm3", "list", QStringLiteral(VX7_TOOL)});
    EXPECT_NE(bad.status, 0) << "a program file is not a package";
}
