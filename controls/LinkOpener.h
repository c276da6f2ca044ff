#pragma once

#include <QString>

#include <functional>

namespace vx7::controls {

// Opening a link target, in two steps with shell-style results (above 32 is success,
// 32 or less an error code): the desktop's own opener, and the program registered for
// web pages started with the target.
struct LinkOpener {
    std::function<int(const QString& target)> shellOpen;
    // -1 when no web-page program is registered; may be empty: no fallback.
    std::function<int(const QString& target)> htmlFallback;

    // The desktop: QDesktopServices, then the default handler of "text/html" as
    // "xdg-mime query default text/html" names it.
    static LinkOpener Desktop();
};

// The message text for an error result of opening a link.
QString LinkErrorText(int code);

} // namespace vx7::controls
