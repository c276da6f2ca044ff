#include "InstallModel.h"

#include "DesktopEntryWriter.h"
#include "InstallLog.h"
#include "InstallRecord.h"
#include "InstallRecordReader.h"
#include "InstallRecordWriter.h"
#include "InstalledFiles.h"
#include "ShortcutEntries.h"
#include "core/InstallLayout.h"
#include "core/PathParts.h"

#include "platform/Clock.h"
#include "platform/Gbk.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

namespace vx7::install {
namespace {

const QString kTitle = QStringLiteral("摄像头拍照");

// The data folders made below the program folder, parents first.
const QStringList& DataFolders() {
    static const QStringList folders = [] {
        namespace layout = core::layout;
        QStringList list{layout::PhotoFolder(), layout::WorkFolder(), layout::BackgroundFolder(),
                         layout::MaterialStore(), layout::SystemPictureFolder()};
        for (const QString& category : layout::ShippedCategories()) {
            list << category;
            for (const QString& sub : layout::MaterialSubFolders())
                list << category + QLatin1Char('/') + sub;
        }
        list << layout::MatchingPictureFolder() << layout::ClothingIconFolder()
             << layout::GeneralIconFolder();
        return list;
    }();
    return folders;
}

QString FolderError(const QString& path, int error) {
    return QStringLiteral("创建<%1,%2>目录错!").arg(path).arg(error);
}

// Gives a file its owner's write permission again so it can be replaced; links are left alone.
void MakeWritable(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && !info.isSymLink())
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

InstallModel::InstallModel(InstallEnvironment env) : env_(std::move(env)) {
    view_.neededKb = QString::number(kNeededKb);
    RecomputeSpace();
}

InstallModel::~InstallModel() {
    job_.reset();
}

QList<std::pair<QString, QString>> InstallModel::DriveChoices() const {
    QList<std::pair<QString, QString>> out;
    for (char16_t c = u'C'; c <= u'G'; ++c) {
        if (const auto root = env_.drives.RootOf(QChar(c)))
            out.append({QString(QChar(c)) + u':', *root});
    }
    if (out.isEmpty() || out.first().first != QLatin1String("C:"))
        out.prepend({QStringLiteral("C:"), QString()});
    return out;
}

QString InstallModel::FreeKbText(std::uint64_t freeKb) {
    return QString::number(freeKb);
}

QString InstallModel::RatioText(std::uint64_t freeKb) {
    // The needed space as a percentage of the free space; nothing to show when the
    // free space is unknown or zero. The needed size counts half a KB more than the
    // whole KB shown, so the ratio of a volume with exactly that much free reads just
    // over 100%.
    if (freeKb == 0)
        return QString();
    constexpr double kNeededPercentKb = (kNeededKb + 0.5) * 100.0;
    return QString::asprintf("%8.4f%c", kNeededPercentKb / static_cast<double>(freeKb), '%');
}

void InstallModel::RecomputeSpace() {
    const QChar letter = form.drive.isEmpty() ? QChar(u'C') : form.drive.at(0).toUpper();
    const std::uint64_t freeKb = env_.drives.FreeBytes(letter).value_or(0) / 1024;
    view_.freeKb = FreeKbText(freeKb);
    view_.ratio = RatioText(freeKb);
}

QChar InstallModel::DriveLetter(const QString& driveField) {
    // Lower-case letters name the same drive as their capitals.
    const QChar c = driveField.isEmpty() ? QChar(u'C') : driveField.at(0).toUpper();
    return (c < u'C' || c > u'G') ? QChar(u'C') : c;
}

bool InstallModel::FolderNameAcceptable(const QString& name) {
    const auto gbk = platform::ToGbk(name);
    if (!gbk || gbk->size() <= 1)
        return false;
    return DesktopEntryWriter::IsPlainFileName(name);
}

QString InstallModel::SourceBase(const QString& startFolder) {
    return core::JoinPath(QDir::cleanPath(startFolder), core::layout::ProgramFolder());
}

QString InstallModel::InformationFolder() const {
    const QString system = env_.folders.SystemDirectory();
    return system.isEmpty() ? QString() : core::JoinPath(system, core::layout::InformationFolder());
}

bool InstallModel::Installing() const {
    return job_ && !finished_;
}

void InstallModel::Refuse(const QString& text, const QString& title) {
    env_.prompt.Message(text, title);
    view_.closeRequested = true;
}

bool InstallModel::MakeFolder(const QString& path, bool* created, int* error) const {
    if (created)
        *created = false;
    if (path.isEmpty()) {
        *error = ENOENT;
        return false;
    }
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) {
        if (created)
            *created = true;
        return true;
    }
    *error = errno;
    if (*error == EEXIST) {
        if (QFileInfo(path).isDir())
            return true;
        *error = ENOTDIR;
    }
    return false;
}

bool InstallModel::PreviousRecordCreatedTop() const {
    const auto previous =
        InstallRecordReader::Read(core::JoinPath(target_, core::layout::ProgramRecordFile()));
    return previous && previous->bytesRead == InstallRecord::kSize && previous->record.TopCreated() &&
           previous->record.TopFolder() == top_;
}

bool InstallModel::StartInstall() {
    if (job_)
        return false;
    // 1. The form is taken as it stands; only "终止" stays usable.
    view_.startEnabled = false;
    view_.exitEnabled = false;
    view_.fieldsEnabled = false;
    view_.stopEnabled = true;

    // 2. The drive.
    const QChar letter = DriveLetter(form.drive);
    const auto root = env_.drives.RootOf(letter);
    if (!root || !QFileInfo(*root).isDir()) {
        Refuse(QStringLiteral(" 不能安装到 %1 盘![%1 可能是光盘]").arg(letter), QStringLiteral("特别提示"));
        return false;
    }

    // 3. The folder name: more than one byte, and one plain folder name (no "/", no "..")
    //    whose paths the install information can hold whole.
    const QString top = core::JoinPath(*root, form.folderName);
    const QString target = core::JoinPath(top, core::layout::ProgramFolder());
    if (!FolderNameAcceptable(form.folderName) || !InstallRecord::Fits(top, InstallRecord::kTopSize) ||
        !InstallRecord::Fits(target, InstallRecord::kProgramSize)) {
        Refuse(QStringLiteral(" 安装目录名不正确 ! "), kTitle);
        return false;
    }

    // 4. The top folder, created when missing.
    top_ = top;
    int error = 0;
    if (!MakeFolder(top_, &topCreated_, &error)) {
        Refuse(FolderError(top_, error), QStringLiteral("摄像头拍照量"));
        return false;
    }

    // 5. An earlier installation is updated only when the user agrees.
    target_ = target;
    if (QFileInfo::exists(target_) || QFileInfo(target_).isSymLink()) {
        if (!env_.prompt.Ask(QStringLiteral(" 该软件已在此目录安装过!\n\n   是否更新 ?"),
                             QStringLiteral("特 别 提 示"))) {
            view_.closeRequested = true;
            return false;
        }
        MakeWritable(core::JoinPath(target_, core::layout::ProgramRecordFile()));
        MakeWritable(core::JoinPath(target_, core::layout::ProgramFile()));
        // The top folder made by an earlier installation stays the installation's own.
        if (!topCreated_)
            topCreated_ = PreviousRecordCreatedTop();
    }

    // 6. The program folder, the information folder and the data folders.
    if (!MakeFolder(target_, nullptr, &error)) {
        Refuse(FolderError(target_, error), kTitle);
        return false;
    }
    const QString info = InformationFolder();
    QDir().mkpath(env_.folders.SystemDirectory());
    if (!MakeFolder(info, nullptr, &error)) {
        Refuse(FolderError(info, error), kTitle);
        return false;
    }
    for (const QString& sub : DataFolders()) {
        const QString path = core::JoinPath(target_, sub);
        if (!MakeFolder(path, nullptr, &error)) {
            Refuse(FolderError(path, error), kTitle);
            return false;
        }
    }

    // 7. Copying starts.
    view_.folderBarMax = kFolderBarMax;
    view_.folderBar = 0;
    view_.status = QStringLiteral(" 正在安装...... ");
    progress_.stopRequested = false;
    CopyPlan plan;
    plan.sourceBase = SourceBase(env_.startFolder);
    plan.target = target_;
    plan.informationFolder = info;
    plan.systemDirectory = env_.folders.SystemDirectory();
    plan.desktopShortcut = form.desktopShortcut;
    plan.desktopFolder = env_.folders.Desktop();
    plan.shortcutCaption = form.shortcutCaption;
    job_ = std::make_unique<CopyJob>(plan, progress_);
    if (hook_)
        job_->SetEntryHook(hook_);
    job_->Start();
    view_.timerRunning = true;
    return true;
}

bool InstallModel::WaitForCopy(std::chrono::milliseconds limit) {
    return !job_ || job_->Wait(limit);
}

void InstallModel::ShowProgress() {
    if (!job_ || finished_)
        return;
    switch (progress_.State()) {
    case CopyState::Idle:
    case CopyState::Copying:
        view_.folderBar = progress_.folderIndex;
        // Until the first entry is published the status keeps " 正在安装...... ".
        if (const QString name = progress_.CurrentName(); !name.isEmpty())
            view_.status = name;
        if (progress_.rangePending.exchange(false))
            view_.fileBarMax = progress_.fileCount;
        view_.fileBar = progress_.fileIndex;
        return;
    case CopyState::Stopped:
        finished_ = true;
        view_.status = QStringLiteral("用户终止安装!!");
        view_.timerRunning = false;
        view_.exitEnabled = true;
        view_.stopEnabled = false;
        return;
    case CopyState::Done:
        finished_ = true;
        view_.status = QStringLiteral(" 软件安装完成!! ");
        view_.timerRunning = false;
        view_.exitEnabled = true;
        view_.stopEnabled = false;
        view_.folderBar = kFolderBarMax;
        view_.fileBar = view_.fileBarMax;
        desktopShortcut_ = job_->DesktopShortcutPath();
        if (job_->DesktopShortcutFailed())
            env_.prompt.Message(QStringLiteral("创建桌面图标失败，请稍后自行创建!"), kTitle);
        if (form.startMenu)
            CreateStartMenuLinks();
        WriteInstallInformation();
        return;
    }
}

void InstallModel::CreateStartMenuLinks() {
    const QString apps = env_.folders.Applications();
    const QString group = apps.isEmpty() ? QString() : core::JoinPath(apps, core::layout::MenuGroup());
    if (group.isEmpty() || !InstallRecord::Fits(group, InstallRecord::kGroupSize) || !QDir().mkpath(group) ||
        QFileInfo(group).isSymLink()) {
        env_.prompt.Message(QStringLiteral("创建文件夹失败！"), kTitle);
        return;
    }
    group_ = group;
    QString error;
    const QString program = ShortcutEntries::EntryPath(group_, form.linkName);
    if (program.isEmpty() ||
        !DesktopEntryWriter::Write(program, ShortcutEntries::Program(target_, form.linkName), &error))
        qCWarning(lcInstall) << "program menu entry not made:" << program << error;
    const QString uninstall = ShortcutEntries::EntryPath(group_, core::layout::UninstallLinkName());
    if (!DesktopEntryWriter::Write(uninstall, ShortcutEntries::Uninstall(InformationFolder()), &error))
        qCWarning(lcInstall) << "uninstall menu entry not made:" << error;
}

void InstallModel::WriteInstallInformation() {
    InstallRecord record;
    record.SetTopCreated(topCreated_);
    record.SetDate(env_.clock.Now().date());
    record.SetProgramFolder(target_);
    record.SetTopFolder(top_);
    record.SetGroupFolder(group_);
    record.SetDesktopShortcut(desktopShortcut_);
    QString error;
    if (!InstallRecordWriter::WriteProgramFile(
            record, core::JoinPath(target_, core::layout::ProgramRecordFile()), &error))
        qCWarning(lcInstall) << error;
    if (!InstallRecordWriter::WriteInformationFile(
            record, core::JoinPath(InformationFolder(), core::layout::InformationRecordFile()), &error)) {
        // Without this file the uninstaller cannot find the installation: say so.
        qCWarning(lcInstall) << error;
        env_.prompt.Message(QStringLiteral("安装信息保存失败 ! 卸载时请直接删除软件目录。"), kTitle);
    }
    // What was put into the program folder, so that removal takes exactly that.
    const QStringList installed =
        InstalledFiles::FromMedium(SourceBase(env_.startFolder), CopyJob::kMaxEntriesPerFolder);
    if (!InstalledFiles::Write(core::JoinPath(InformationFolder(), InstalledFiles::ListFile()), installed,
                               &error))
        qCWarning(lcInstall) << "installed-files list not written:" << error;
}

} // namespace vx7::install
