#include "install/model/InstallRecord.h"
#include "install/model/InstallRecordWriter.h"

#include "InstallSandbox.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using vx7::install::InstallRecord;
using vx7::install::InstallRecordWriter;
using vx7::test::InstallSandbox;

namespace {

// Runs "vx7tool install-record show FILE"; the exit status and what it printed.
std::pair<int, QString> Show(const QString& file) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(VX7_TOOL), {"install-record", "show", file});
    if (!p.waitForFinished(30000))
        return {-1, QString()};
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

} // namespace

TEST(InstallRecordToolTest, ShowPrintsMarkerDateVersionAndThePaths) {
    ASSERT_TRUE(QFileInfo(QStringLiteral(VX7_TOOL)).isExecutable()) << "vx7tool is not built: " << VX7_TOOL;
    InstallSandbox box;
    InstallRecord r;
    r.SetTopCreated(true);
    r.SetDate(QDate(2026, 1, 5));
    r.SetProgramFolder("/h/顶层/摄像头拍照(动画)Snapo2011");
    r.SetTopFolder("/h/顶层");
    r.SetGroupFolder("/h/.local/share/applications/摄像头拍照(动画)Snapo");
    r.SetDesktopShortcut("/h/Desktop/Vantor.desktop");
    const QString file = box.Root() + "/VX7lothInfo.3fg";
    ASSERT_TRUE(InstallRecordWriter::WriteInformationFile(r, file));

    const auto [status, out] = Show(file);
    EXPECT_EQ(status, 0) << out.toStdString();
    for (const QString& expected :
         {QString("marker:          S"), QString("date:            2026. 1. 5"),
          QString("version:         2006.02.16 V1.5.0"),
          QString("program folder:  /h/顶层/摄像头拍照(动画)Snapo2011"), QString("top folder:      /h/顶层"),
          QString("top created:     yes"),
          QString("menu group:      /h/.local/share/applications/摄像头拍照(动画)Snapo"),
          QString("desktop link:    /h/Desktop/Vantor.desktop")})
        EXPECT_TRUE(out.contains(expected)) << "missing: " << expected.toStdString() << "\n"
                                            << out.toStdString();

    const auto [missingStatus, missingOut] = Show(box.Root() + "/missing.3fg");
    EXPECT_EQ(missingStatus, 1);
    EXPECT_TRUE(missingOut.contains("missing.3fg"));
}
