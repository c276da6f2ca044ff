#include "ScreenCapture.h"

#include "camera/capture/Bmp24Writer.h"
#include "camera/photo/PhotoNames.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/ScreenGrabber.h"

namespace vx7::camera {

bool ScreenCapture::CaptureScreenToBmp(platform::ScreenGrabber& screen, const QString& path, QString* error) {
    const QImage image = screen.GrabScreenWithCursor();
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("无法读取屏幕图像");
        return false;
    }
    return Bmp24Writer::Write(image, path, error);
}

std::optional<QString> ScreenCapture::TakeScreenshot(platform::ScreenGrabber& screen,
                                                     const core::EncoderRegistry& encoders,
                                                     core::SysInfo& sys, const QString& photoName,
                                                     const QString& format, QString* error) {
    const auto names = MakePhotoNames(-1, photoName, format, sys.PhotoFolder(), sys.WorkFolder(), error);
    if (!names)
        return std::nullopt;
    if (!CaptureScreenToBmp(screen, names->grabPath, error))
        return std::nullopt;
    if (!names->isBmp && !core::SaveImageAs(encoders, format, names->grabPath, names->finalPath, kQuality)) {
        if (error)
            *error = QStringLiteral("截屏转换为 %1 格式失败: %2").arg(format, names->finalPath);
        return std::nullopt;
    }
    sys.ScreenshotPending(core::SysInfo::kSetFlag);
    return names->finalPath;
}

} // namespace vx7::camera
