#include "TreeRemover.h"

#include "InstallLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace vx7::install {
namespace {

// Deeper trees than this are not made by the installer; the limit keeps the recursion bounded.
constexpr int kMaxDepth = 256;

struct Walker {
    dev_t device;
    TreeRemover::Result& result;

    // Removes entry `name` of the open folder parentFd, which is known to be a real folder.
    void RemoveFolderAt(int parentFd, const char* name, int depth) {
        int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == EACCES) {
            // A folder without read or search permission: make it the owner's again.
            struct stat st {};
            if (fstatat(parentFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
                fchmodat(parentFd, name, (st.st_mode & 07777) | S_IRWXU, 0);
            fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        }
        if (fd < 0) {
            ++result.failures;
            return;
        }
        struct stat self {};
        if (fstat(fd, &self) != 0 || self.st_dev != device) {
            // Another volume mounted here: not part of the tree.
            close(fd);
            ++result.failures;
            return;
        }
        if ((self.st_mode & S_IRWXU) != S_IRWXU)
            fchmod(fd, (self.st_mode & 07777) | S_IRWXU);
        RemoveContents(fd, depth);
        if (unlinkat(parentFd, name, AT_REMOVEDIR) == 0)
            ++result.foldersRemoved;
        else
            ++result.failures;
    }

    // Removes everything inside the open folder fd; takes ownership of fd.
    void RemoveContents(int fd, int depth) {
        DIR* dir = fdopendir(fd);
        if (!dir) {
            close(fd);
            ++result.failures;
            return;
        }
        std::vector<std::string> names;
        while (dirent* e = readdir(dir)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..")
                names.push_back(n);
        }
        const int dfd = dirfd(dir);
        for (const auto& n : names) {
            struct stat st {};
            if (fstatat(dfd, n.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                ++result.failures;
                continue;
            }
            if (S_ISDIR(st.st_mode)) {
                if (depth >= kMaxDepth) {
                    ++result.failures;
                    continue;
                }
                RemoveFolderAt(dfd, n.c_str(), depth + 1);
            } else if (unlinkat(dfd, n.c_str(), 0) == 0) {
                ++result.filesRemoved;
            } else {
                ++result.failures;
            }
        }
        closedir(dir);
    }
};

// The open parent folder of path and the last name in it; -1 when there is none.
int OpenParent(const QString& path, QByteArray& name) {
    const QFileInfo info(QDir::cleanPath(path));
    name = QFile::encodeName(info.fileName());
    if (name.isEmpty() || name == "." || name == "..")
        return -1;
    return open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

TreeRemover::Result TreeRemover::RemoveTree(const QString& folder) {
    Result result;
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || QDir::cleanPath(folder) == QLatin1String("/"))
        return result;
    QByteArray name;
    const int parent = OpenParent(folder, name);
    if (parent < 0)
        return result;
    struct stat st {};
    if (fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
        Walker walker{st.st_dev, result};
        walker.RemoveFolderAt(parent, name.constData(), 0);
        result.removed = fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0;
    }
    close(parent);
    if (result.failures > 0)
        qCWarning(lcInstall) << "removing" << folder << "left" << result.failures << "entries";
    return result;
}

bool TreeRemover::RemoveIfEmpty(const QString& folder) {
    if (folder.isEmpty() || QDir::cleanPath(folder) == QLatin1String("/"))
        return false;
    QByteArray name;
    const int parent = OpenParent(folder, name);
    if (parent < 0)
        return false;
    struct stat st {};
    bool removed = false;
    if (fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
        removed = unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0;
    close(parent);
    return removed;
}

} // namespace vx7::install
