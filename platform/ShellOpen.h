#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace vx7::platform {

// Opens a URL or a file the way the desktop's file manager would.
//
// Results follow the shell's convention: a value above 32 is success; 32 or less is
// an error code (2 file not found, 3 path not found, 5 access denied, 31 no program
// associated, ...) for which ShellOpenErrorText gives the message.
class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    virtual int Open(const QString& target) = 0;
};

inline constexpr int kShellOpenSuccess = 42;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellAccessDenied = 5;
inline constexpr int kShellNoAssociation = 31;

// Reports "unavailable" (no associated program) and remembers what it was asked to open.
class NullShellOpener final : public ShellOpener {
  public:
    int Open(const QString& target) override {
        opened.append(target);
        return result;
    }
    QStringList opened;
    int result = kShellNoAssociation;
};

// The desktop opener: QDesktopServices first; when that fails, the default handler of
// "text/html" (as "xdg-mime query default text/html" names it) started with the target.
std::unique_ptr<ShellOpener> MakeShellOpener();

// The message for an error result (the English texts of the link control), for example
// "The specified file was not found." for 2 and "Unknown Error (%d) occurred." otherwise.
QString ShellOpenErrorText(int code);

// The command line of a desktop entry's Exec value with the target put in: the first
// field code among %u %U %f %F is replaced by the target, other field codes are dropped,
// "%%" becomes "%"; with no field code the target is appended. Quoted arguments are
// unquoted as the desktop-entry rules say. Empty when the value holds no program.
QStringList DesktopExecCommand(const QString& execValue, const QString& target);

} // namespace vx7::platform
