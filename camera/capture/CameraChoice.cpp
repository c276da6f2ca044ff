#include "CameraChoice.h"

namespace vx7::camera {

std::optional<CameraChoice> ParseCameraChoice(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("test"))
        return CameraChoice::kTest;
    if (t == QLatin1String("auto"))
        return CameraChoice::kAuto;
    return std::nullopt;
}

CameraChoice CameraChoiceFor(const QStringList& arguments, const QByteArray& environmentValue,
                             QString* error) {
    std::optional<QString> given;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--camera")) {
            given = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
            ++i;
        } else if (a.startsWith(QLatin1String("--camera="))) {
            given = a.mid(9);
        }
    }
    if (!given && !environmentValue.isEmpty())
        given = QString::fromLocal8Bit(environmentValue);
    if (!given)
        return CameraChoice::kAuto;
    if (const auto choice = ParseCameraChoice(*given))
        return *choice;
    if (error)
        *error = QStringLiteral("未知的摄像头选择 \"%1\" (可用: test, auto), 使用 auto").arg(*given);
    return CameraChoice::kAuto;
}

} // namespace vx7::camera
