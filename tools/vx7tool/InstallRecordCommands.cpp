#include "Commands.h"

#include <cstdio>

namespace vx7::tools {

int RunInstallRecordCommand(const QStringList&) {
    std::fputs("vx7tool: this command family is not built yet\n", stderr);
    return 2;
}

} // namespace vx7::tools
