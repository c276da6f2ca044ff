// vx7tool as a user runs it: exit status, one-line failures, and files that the
// program's own readers accept.
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

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
    ASSERT_TRUE(QFileInfo::exists(package))
        << "the install medium is not laid out: " << package.toStdString();
    const ToolRun list = Tool({"dm3", "list", package});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral("全部"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral("帽子"))) << list.out.toStdString();
    const ToolRun bad = Tool({"dm3", "list", QStringLiteral(VX7_TOOL)});
    EXPECT_NE(bad.status, 0) << "a program file is not a package";
}

// Every verb reads its line with the same parser: a mistake on the line ends the run with
// status 2 and the usage, a value out of range with status 1; neither prints a result or
// leaves a file behind.
TEST(Vx7ToolCommandLineTest, MistakesAreRefusedWithAReasonAndNoResult) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    const QString picture = Picture(dir, "a.png", Qt::red);
    const QString text = dir.filePath("description.txt");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# nothing\n");
    f.close();
    struct Case {
        QStringList args;
        int status;
        const char* said; // part of the one-line reason, or empty when only the usage is shown
    };
    const std::vector<Case> cases = {
        {{"gif", "build", "--speed", "3", "-o", out, picture}, 2, "speed"},
        {{"gif", "build", picture, "-o"}, 2, "-o"},
        {{"gif", "build", picture}, 2, ""},
        {{"gif", "build", "--mode", "3", "-o", out, picture}, 1, "--mode must be 0"},
        {{"gif", "build", "--interval", "x", "-o", out, picture}, 1, "--interval must be"},
        {{"gif", "frames", "-o", out, picture}, 1, "--delay is required"},
        {{"gif", "copy", "--delay", "70000", "-o", out, picture}, 1, "from 0 to 65535"},
        {{"gif", "crop", "--offset", "2", picture}, 2, ""},
        {{"gif", "info", "--all", picture}, 2, "all"},
        {{"gif", "info"}, 2, ""},
        {{"dm3", "pack", text}, 2, ""},
        {{"dm3", "pack", text, out, "--pictures"}, 2, "pictures"},
        {{"dm3", "list", text, "--group", "?"}, 2, "--group"},
        {{"dm3", "list", text, "--colour", "1"}, 2, "colour"},
        {{"dm3", "unpack", text}, 2, ""},
        {{"g3d", "pack", text, out, "--force"}, 2, "force"},
        {{"g3d", "list", text, "--kind", "AB"}, 2, "--kind"},
        {{"g3d", "list", text, "--group", "-1"}, 2, "--group"},
        {{"g3d", "list"}, 2, ""},
        {{"install-record", "show"}, 2, ""},
        {{"install-record", "show", text, text}, 2, ""},
        {{"install-record", "show", "--raw", text}, 2, "raw"},
        {{"install-record", "list", text}, 2, ""},
        {{"no-such-family"}, 2, ""},
    };
    for (const Case& c : cases) {
        const std::string line = c.args.join(' ').toStdString();
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, c.status) << line << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << line << "\n" << run.out.toStdString();
        EXPECT_FALSE(run.err.trimmed().isEmpty()) << line;
        if (*c.said)
            EXPECT_TRUE(run.err.contains(QLatin1String(c.said))) << line << "\n" << run.err.toStdString();
        if (c.status == 2)
            EXPECT_TRUE(run.err.contains(QLatin1String("usage:"))) << line << "\n" << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << line;
    }
}

TEST(Vx7ToolCommandLineTest, OptionsMayComeAnywhereAndInEitherSpelling) {
    const QString package = QStringLiteral(VX7_MEDIUM_DIR) + QStringLiteral("/vx7Ecamsys素材仓库/饰品.dm3");
    ASSERT_TRUE(QFileInfo::exists(package))
        << "the install medium is not laid out: " << package.toStdString();
    const ToolRun after = Tool({"dm3", "list", package, "--group", "1"});
    const ToolRun before = Tool({"dm3", "list", "--group=1", package});
    ASSERT_EQ(after.status, 0) << after.err.toStdString();
    EXPECT_EQ(before.status, 0) << before.err.toStdString();
    EXPECT_EQ(before.out, after.out);
    EXPECT_TRUE(after.out.contains(QStringLiteral("listed in group 1:"))) << after.out.toStdString();

    QTemporaryDir dir;
    const QString out = dir.filePath("two.gif");
    const ToolRun build = Tool({"gif", "build", Picture(dir, "a.png", Qt::red), "--interval=0.2", "-o", out,
                                "--mode", "1", Picture(dir, "b.png", Qt::blue)});
    ASSERT_EQ(build.status, 0) << build.err.toStdString();
    const ToolRun info = Tool({"gif", "info", out});
    EXPECT_EQ(FrameLines(info.out), 2) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("delay 20")) << info.out.toStdString();
}
