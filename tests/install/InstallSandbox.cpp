#include "InstallSandbox.h"

#include "install/model/CopyJob.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vx7::test {

InstallSandbox::InstallSandbox() {
    for (const QString& d : {Home(), DriveD(), SystemDir(), Desktop(), Applications(), StartFolder()})
        QDir().mkpath(d);
    MakeMedium(MediumFolder());
    drives_ = install::DriveTable({{u'C', Home()}, {u'D', DriveD()}});
    const std::map<QByteArray, QString> env{{"HOME", Home()},
                                            {"XDG_DATA_HOME", Root() + "/data"},
                                            {"XDG_CONFIG_HOME", Root() + "/config"},
                                            {"VX7_SYSTEM_DIR", SystemDir()},
                                            {"VX7_DRIVES", "D=" + DriveD()}};
    for (const auto& [name, value] : env) {
        savedEnv_[name] = qEnvironmentVariableIsSet(name.constData())
                              ? std::optional(qgetenv(name.constData()))
                              : std::nullopt;
        qputenv(name.constData(), value.toUtf8());
    }
}

InstallSandbox::~InstallSandbox() {
    for (const auto& [name, value] : savedEnv_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
    // Read-only folders left by a test must not keep the temporary tree alive.
    QDirIterator it(Root(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString d = it.next();
        if (!QFileInfo(d).isSymLink())
            QFile::setPermissions(d, QFile::permissions(d) | QFile::WriteOwner | QFile::ReadOwner |
                                         QFile::ExeOwner);
    }
}

QString InstallSandbox::Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QByteArray InstallSandbox::Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void InstallSandbox::MakeMedium(const QString& programFolder, int perFolder) {
    for (const QString& rel : install::CopyJob::SourceFolders()) {
        if (rel == "vx7ECamProg")
            continue;
        for (int i = 0; i < perFolder; ++i)
            Write(QString("%1/%2/file%3.png").arg(programFolder, rel).arg(i),
                  QByteArray("data ") + rel.toUtf8());
    }
    for (const char* sub : {"tmpBmpData", "2011拍照图片"})
        QDir().mkpath(programFolder + "/" + QString::fromUtf8(sub));
    const QString program = Write(programFolder + "/vx7ECamProg/vx7Ecamera", "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    Write(programFolder + "/vx7ECamProg/readme.txt", "readme");
    const QString uninstaller = Write(programFolder + "/UnInstVx7Ecam", "uninstaller");
    QFile::setPermissions(uninstaller, QFile::permissions(uninstaller) | QFile::ExeOwner);
    Write(programFolder + "/Conver123ter.ccc", "converter library");
}

platform::DesktopFolders InstallSandbox::Folders() const {
    return platform::DesktopFolders(Desktop(), Applications(), SystemDir());
}

install::InstallEnvironment InstallSandbox::Environment(const QString& startFolder) {
    return install::InstallEnvironment{drives_, Folders(),
                                       startFolder.isEmpty() ? StartFolder() : startFolder, prompt, clock};
}

std::unique_ptr<install::InstallModel> InstallSandbox::MakeModel(const QString& startFolder) {
    return std::make_unique<install::InstallModel>(Environment(startFolder));
}

bool InstallSandbox::RunToEnd(install::InstallModel& model) {
    if (!model.StartInstall())
        return false;
    if (!model.WaitForCopy(std::chrono::seconds(60)))
        return false;
    model.ShowProgress();
    return !model.View().timerRunning;
}

std::map<QString, qint64> InstallSandbox::Snapshot(const QString& folder) {
    std::map<QString, qint64> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        out[path.mid(folder.size())] = info.isDir() ? -1 : info.size();
    }
    return out;
}

} // namespace vx7::test
