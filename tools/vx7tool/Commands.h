#pragma once

#include <QStringList>

namespace vx7::tools {

// Each command family takes the arguments after its name ("gif build …" gets
// "build …") and returns the process exit status. Failures print one line to stderr.
int RunGifCommand(const QStringList& args);
int RunDm3Command(const QStringList& args);
int RunG3dCommand(const QStringList& args);
int RunInstallRecordCommand(const QStringList& args);

} // namespace vx7::tools
