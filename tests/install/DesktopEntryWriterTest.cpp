#include "install/model/DesktopEntryWriter.h"
#include "install/model/ShortcutEntries.h"
#include "platform/ShellOpen.h"

#include "InstallSandbox.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using vx7::install::DesktopEntry;
using vx7::install::DesktopEntryWriter;
using vx7::install::ShortcutEntries;
using vx7::test::InstallSandbox;

TEST(DesktopEntryWriterTest, ProgramPathsSurviveTheExecQuotingRoundTrip) {
    // Whatever the path holds, the launcher must start exactly that program.
    for (const QString& path :
         {QString("/home/u/plain/vx7Ecamera"), QString("/home/u/摄像头拍照(动画)Snapo2011/vx7Ecamera"),
          QString("/a b/$HOME/`x`/\"q\"/back\\slash/100%/vx7Ecamera")}) {
        const QString quoted = DesktopEntryWriter::QuoteExecArgument(path);
        EXPECT_EQ(vx7::platform::DesktopExecCommand(quoted, "T"), (QStringList{path, "T"}))
            << quoted.toStdString();
    }
    EXPECT_EQ(DesktopEntryWriter::QuoteExecArgument("/usr/bin/plain"), QString("/usr/bin/plain"));
    EXPECT_EQ(DesktopEntryWriter::QuoteExecArgument("/x/50%"), QString("\"/x/50%%\""));
}

TEST(DesktopEntryWriterTest, ValuesAreEscapedAndTheFileIsALauncher) {
    DesktopEntry e;
    e.name = "line\nbreak";
    e.program = "/p/a\\b";
    e.workingFolder = "/p";
    const QString text = DesktopEntryWriter::Text(e);
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(text.contains("Name=line\\nbreak\n"));
    // The quoted argument's backslash is escaped once for quoting and once for the value.
    EXPECT_TRUE(text.contains("Exec=\"/p/a\\\\\\\\b\"\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Terminal=false\n"));
}

TEST(DesktopEntryWriterTest, WrittenEntryIsExecutableAndReplacesALinkInsteadOfFollowingIt) {
    InstallSandbox box;
    const QString outside = InstallSandbox::Write(box.Root() + "/outside.txt", "keep");
    const QString path = box.Desktop() + "/x.desktop";
    ASSERT_TRUE(QFile::link(outside, path));
    ASSERT_TRUE(DesktopEntryWriter::Write(path, ShortcutEntries::Program("/t", "Cap")));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(InstallSandbox::Read(outside), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo(path).isExecutable());
    EXPECT_TRUE(QString::fromUtf8(InstallSandbox::Read(path)).contains("Exec=/t/vx7Ecamera\n"));
}

TEST(DesktopEntryWriterTest, OnlyPlainNamesBecomeEntryFiles) {
    EXPECT_EQ(ShortcutEntries::EntryPath("/d", "Vantor摄像头"), QString("/d/Vantor摄像头.desktop"));
    for (const QString& bad : {QString(), QString("."), QString(".."), QString("a/b"), QString("../x")})
        EXPECT_EQ(ShortcutEntries::EntryPath("/d", bad), QString()) << bad.toStdString();
    EXPECT_EQ(ShortcutEntries::EntryPath("", "name"), QString());
}
