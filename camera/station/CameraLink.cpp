#include "CameraLink.h"

#include "camera/CameraLog.h"
#include "camera/capture/Bmp24Writer.h"
#include "camera/capture/PreviewFit.h"
#include "core/PathParts.h"
#include "core/SysInfo.h"
#include "platform/Prompt.h"
#include "platform/SoundPlayer.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vx7::camera {

CameraLink::CameraLink(CaptureDevice* device, core::SysInfo& sys, platform::Prompt& prompt,
                       platform::SoundPlayer& sound)
    : device_(device), sys_(sys), prompt_(prompt), sound_(sound) {
    clipboard_ = [](const QImage& image) {
        if (QClipboard* clipboard = QGuiApplication::clipboard())
            clipboard->setImage(image);
    };
}

ConnectResult CameraLink::ConnectCamera() {
    const ConnectResult result = device_ ? device_->Connect() : ConnectResult::kConnectFailed;
    switch (result) {
    case ConnectResult::kConnectFailed:
        prompt_.Message(QString::fromUtf8(kConnectFailedText));
        break;
    case ConnectResult::kInitFailed:
        prompt_.Message(QString::fromUtf8(kInitFailedText));
        break;
    case ConnectResult::kOk:
        device_->SetPreview(true);
        break;
    }
    return result;
}

void CameraLink::Suspend() {
    if (!device_)
        return;
    device_->SetPreview(false);
    device_->Disconnect();
}

std::optional<QRect> CameraLink::FitPreviewFrame(const QRect& area) {
    const QSize size = device_ ? device_->ImageSize() : QSize();
    const QSize wh(std::max(0, size.width()), std::max(0, size.height()));
    if (wh == lastFitted_)
        return std::nullopt;
    lastFitted_ = wh;
    return vx7::camera::FitPreviewFrame(area, wh);
}

bool CameraLink::GrabFrame(const QString& path, bool shutter, QString* error) {
    const QImage frame = device_ && device_->IsConnected() ? device_->CurrentFrame() : QImage();
    if (frame.isNull()) {
        if (error)
            *error = QStringLiteral("摄像头没有画面, 无法拍照。");
        return false;
    }
    if (clipboard_)
        clipboard_(frame);
    QString reason;
    if (!Bmp24Writer::Write(frame, path, &reason)) {
        qCWarning(lcCamera) << "cannot write" << path << reason;
        if (error)
            *error = QStringLiteral("无法写入照片文件 %1\n%2").arg(path, reason);
        return false;
    }
    if (shutter)
        sound_.Play(core::JoinPath(sys_.SystemPictureFolder(), QStringLiteral("CAMERAFAST.WAV")));
    return true;
}

} // namespace vx7::camera
