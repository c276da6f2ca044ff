#include "ClipRecorder.h"

#include "camera/photo/PhotoNames.h"
#include "core/PathParts.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace vx7::camera {

QString ClipRecorder::Outcome::Message() const {
    const QString file = QFileInfo(path).fileName();
    switch (reason) {
    case StopReason::kUser:
        return QStringLiteral("录像已保存: %1").arg(file);
    case StopReason::kLimit:
        return QStringLiteral("录像已达到最长时间, 已停止并保存:\n%1").arg(path);
    case StopReason::kDiskFull:
        return QStringLiteral("磁盘空间不足, 录像已停止并保存:\n%1").arg(path);
    case StopReason::kWriteFailed:
        return QStringLiteral("录像文件写入失败, 录像已停止 (%1)。\n已录下的部分保留在:\n%2")
            .arg(detail, path);
    case StopReason::kCameraGone:
        return QStringLiteral("摄像头已停止, 录像已停止并保存:\n%1").arg(path);
    }
    return QString();
}

ClipRecorder::ClipRecorder(CaptureDevice& device, const platform::Clock& clock, FreeSpace freeSpace)
    : device_(device), clock_(clock), freeSpace_(std::move(freeSpace)) {
    if (!freeSpace_) {
        freeSpace_ = [](const QString& folder) {
            QStorageInfo storage(folder);
            return storage.isValid() ? storage.bytesAvailable() : qint64(-1);
        };
    }
}

qint64 ClipRecorder::Free() const {
    return freeSpace_(folder_);
}

bool ClipRecorder::Start(const QString& folder, const QString& name, ClipSound sound, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (recording_)
        return fail(QStringLiteral("正在录像"));
    const QString problem = CheckPhotoName(name);
    if (!problem.isEmpty())
        return fail(problem);
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("无法创建目录: %1").arg(folder));
    folder_ = folder;
    const qint64 free = Free();
    if (free >= 0 && free < 2 * kReserveBytes)
        return fail(QStringLiteral("磁盘空间不足, 无法录像: %1").arg(folder));
    const QString path =
        core::JoinPath(folder, FreeStem(folder, name, QStringLiteral("avi")) + QStringLiteral(".avi"));
    QString why;
    if (!device_.StartClip({path, sound}, &why))
        return fail(why.isEmpty() ? QStringLiteral("录像无法开始") : why);
    recording_ = true;
    hasSound_ = device_.ClipHasSound();
    path_ = path;
    started_ = clock_.Now();
    writeFailure_.clear();
    return true;
}

std::optional<ClipRecorder::Outcome> ClipRecorder::Stop(StopReason reason) {
    if (!recording_)
        return std::nullopt;
    device_.StopClip();
    recording_ = false;
    Outcome outcome{path_, reason, hasSound_, QString()};
    if (!writeFailure_.isEmpty()) {
        outcome.reason = StopReason::kWriteFailed;
        outcome.detail = writeFailure_;
        writeFailure_.clear();
    }
    return outcome;
}

std::optional<ClipRecorder::Outcome> ClipRecorder::Check() {
    if (!recording_)
        return std::nullopt;
    if (!device_.ClipRunning())
        return Stop(writeFailure_.isEmpty() ? StopReason::kCameraGone : StopReason::kWriteFailed);
    const qint64 free = Free();
    if (free >= 0 && free < kReserveBytes)
        return Stop(StopReason::kDiskFull);
    // A limit below the time limit comes from the free space.
    const int limit = LimitSeconds();
    if (ElapsedSeconds() >= limit)
        return Stop(limit < kDefaultLimitSeconds ? StopReason::kDiskFull : StopReason::kLimit);
    return std::nullopt;
}

int ClipRecorder::ElapsedSeconds() const {
    if (!recording_)
        return 0;
    return int(std::max<qint64>(0, started_.secsTo(clock_.Now())));
}

int ClipRecorder::LimitSeconds() const {
    int limit = kDefaultLimitSeconds;
    const int elapsed = ElapsedSeconds();
    const qint64 written = device_.ClipBytes();
    const qint64 free = recording_ ? Free() : -1;
    // Two seconds of data give a usable rate; before that only the time limit counts.
    if (elapsed >= 2 && written > 0 && free >= 0) {
        const double rate = double(written) / elapsed;
        const double left = double(std::max<qint64>(0, free - kReserveBytes)) / rate;
        limit = int(std::min<double>(limit, elapsed + left));
    }
    return limit;
}

QString ClipRecorder::TimeText() const {
    return MinutesSeconds(ElapsedSeconds()) + QStringLiteral(" / ") + MinutesSeconds(LimitSeconds());
}

QString ClipRecorder::MinutesSeconds(int seconds) {
    seconds = std::max(0, seconds);
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace vx7::camera
