#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace vx7::test {

// A throw-away installation folder laid out like a real one (the data folders
// exist, all empty). Never touches the user's real folders.
class TempInstallFolder {
  public:
    TempInstallFolder();

    QString Path() const { return dir_.path(); }
    QString Sub(const QString& relative) const { return dir_.filePath(relative); }
    bool IsValid() const { return dir_.isValid(); }

    // Writes a file below the folder (creating parent folders); returns its full path.
    QString WriteFile(const QString& relative, const QByteArray& bytes) const;

  private:
    QTemporaryDir dir_;
};

} // namespace vx7::test
