#include "StationModel.h"

#include "CameraLink.h"
#include "camera/app/SplashState.h"
#include "camera/photo/PhotoNames.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/Prompt.h"

#include <QFileInfo>

#include <algorithm>

namespace vx7::camera {
namespace {

// The C library's atoi: optional blanks and sign, then digits; 0 when none.
int Atoi(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    long long value = 0;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9' && value < 100000000)
        value = value * 10 + (text.at(i++).unicode() - u'0');
    return int(negative ? -value : value);
}

} // namespace

const QStringList& StationModel::FormatEntries() {
    static const QStringList entries{"BMP", "JPG", "PNG", "GIF"};
    return entries;
}

const QStringList& StationModel::SelfTimerEntries() {
    static const QStringList entries{"3", "5", "8", "10", "15", "20", "30"};
    return entries;
}

const QStringList& StationModel::BurstEntries() {
    static const QStringList entries{"2", "3", "4", "5", "6", "7", "8", "12", "16", "20", "24", "28", "32"};
    return entries;
}

const QStringList& StationModel::IntervalEntries() {
    static const QStringList entries{"0.5",
                                     "1",
                                     "1.5",
                                     "2",
                                     "2.5",
                                     "3",
                                     "3.5",
                                     "4",
                                     "4.5",
                                     "5",
                                     "5.5",
                                     "6",
                                     "-------------------",
                                     QStringLiteral("高质流行色"),
                                     QStringLiteral("普通高反差")};
    return entries;
}

StationModel::StationModel(core::SysInfo& sys, const platform::Clock& clock, platform::Prompt& prompt,
                           CameraLink& camera, const core::EncoderRegistry& encoders,
                           std::atomic<int>& splashState)
    : sys_(sys), clock_(clock), prompt_(prompt), camera_(camera), encoders_(encoders),
      splashState_(splashState) {}

bool StationModel::SelectIntervalOrMode(const QString& text) {
    // Byte length in the records' code page: a Chinese character takes two bytes.
    int bytes = 0;
    for (QChar c : text)
        bytes += c.unicode() < 0x80 ? 1 : 2;
    if (bytes < 6) {
        if (interval_ == text)
            return false;
        interval_ = text;
        return true;
    }
    const int mode = text == QStringLiteral("高质流行色") ? 0 : text == QStringLiteral("普通高反差") ? 1 : -1;
    if (mode < 0 || mode == colourMode_)
        return false;
    colourMode_ = mode;
    return true;
}

void StationModel::StartSelfTimer() {
    countdownLength_ = Atoi(selfTimer_);
    shotsWanted_ = 1;
    shotIndex_ = 0;
    referenceTime_ = clock_.SecondsOfDay();
    controlsEnabled_ = false;
    mode_ = kSelfTimer;
}

void StationModel::StartBurst() {
    shotsWanted_ = std::clamp(Atoi(burstCount_), 0, kMaxBurstShots);
    countdownLength_ = Atoi(selfTimer_);
    shotIndex_ = 0;
    shotsTaken_ = 0;
    burstGrab_.clear();
    burstFinal_.clear();
    burstFailed_ = false;
    referenceTime_ = clock_.SecondsOfDay();
    controlsEnabled_ = false;
    countdown_.clear();
    mode_ = shotsWanted_ > 0 ? kBurst : kIdle;
    if (mode_ == kIdle)
        controlsEnabled_ = true;
}

bool StationModel::BurstBoxActive() const {
    return Atoi(burstCount_) > 1 && mode_ != kSelfTimer && mode_ != kBurst;
}

void StationModel::Report(const QString& text) {
    prompt_.Message(text);
}

bool StationModel::Shoot(int index, QString* grabPath, QString* finalPath, bool* isBmp) {
    QString error;
    const auto names =
        MakePhotoNames(index, photoName_, format_, sys_.PhotoFolder(), sys_.WorkFolder(), &error);
    if (!names) {
        Report(error);
        return false;
    }
    *grabPath = names->grabPath;
    *finalPath = names->finalPath;
    *isBmp = names->isBmp;
    if (!camera_.GrabFrame(names->grabPath, true, &error)) {
        Report(error);
        return false;
    }
    lastPhotoPath_ = names->grabPath;
    if (isBmp)
        lastWrittenPath_ = names->finalPath;
    return true;
}

bool StationModel::TakeSinglePhoto() {
    QString grab, final;
    bool isBmp = true;
    if (!Shoot(-1, &grab, &final, &isBmp))
        return false;
    if (!isBmp && !core::SaveImageAs(encoders_, format_, grab, final, kPhotoQuality)) {
        Report(QStringLiteral("照片转换为 %1 格式失败: %2").arg(format_, final));
        return false;
    }
    lastWrittenPath_ = final;
    return true;
}

void StationModel::TakeSelfTimerShot() {
    QString grab, final;
    bool isBmp = true;
    const bool shot = Shoot(-1, &grab, &final, &isBmp);
    controlsEnabled_ = true;
    if (shot && !isBmp) {
        if (core::SaveImageAs(encoders_, format_, grab, final, kPhotoQuality))
            lastWrittenPath_ = final;
        else
            Report(QStringLiteral("照片转换为 %1 格式失败: %2").arg(format_, final));
    }
    countdownLabel_ = NoCount();
    countdown_.clear();
    mode_ = kIdle;
}

StationModel::TickResult StationModel::TakeBurstShot() {
    QString error;
    const auto names =
        MakePhotoNames(shotIndex_, photoName_, format_, sys_.PhotoFolder(), sys_.WorkFolder(), &error);
    if (!names) {
        // A name that cannot be used fails every shot the same way: end the burst now.
        Report(error);
        shotsWanted_ = shotIndex_;
        EndBurst();
        return TickResult::kBurstEnded;
    }
    if (shotsTaken_ < kMaxBurstShots) {
        burstFinal_.append(names->finalPath);
        burstGrab_.append(names->grabPath);
        ++shotsTaken_;
    }
    if (camera_.GrabFrame(names->grabPath, true, &error)) {
        lastPhotoPath_ = names->grabPath;
        lastWrittenPath_ = names->finalPath;
    } else if (!burstFailed_) {
        burstFailed_ = true; // one message per burst, not one per shot
        Report(error);
    }
    ++shotIndex_;
    countdown_.clear();
    if (shotIndex_ >= shotsWanted_) {
        EndBurst();
        return TickResult::kBurstEnded;
    }
    return TickResult::kBurstShot;
}

void StationModel::EndBurst() {
    mode_ = kIdle;
    gifButtonVisible_ = true;
    controlsEnabled_ = true;
    countdownLabel_ = NoCount();
    countdown_.clear();
    if (format_ == QLatin1String("BMP"))
        return;
    // Converted only now, in shot order, so the shots keep their rhythm.
    QStringList failed;
    for (int i = 0; i < burstGrab_.size(); ++i) {
        if (!QFileInfo::exists(burstGrab_.at(i)))
            continue; // the grab failed and was reported already
        if (!core::SaveImageAs(encoders_, format_, burstGrab_.at(i), burstFinal_.at(i), kPhotoQuality))
            failed.append(burstFinal_.at(i));
    }
    if (!failed.isEmpty())
        Report(QStringLiteral("照片转换为 %1 格式失败:\n%2").arg(format_, failed.join(u'\n')));
}

StationModel::TickResult StationModel::Tick() {
    switch (mode_) {
    case kSelfTimer: {
        const int d = clock_.SecondsOfDay() - referenceTime_;
        if (d >= 0 && d < countdownLength_) {
            countdownLabel_ = countdown_ = QString::number(countdownLength_ - d);
            return TickResult::kCountdown;
        }
        TakeSelfTimerShot();
        return TickResult::kSelfTimerShot;
    }
    case kBurst: {
        const int now = clock_.SecondsOfDay();
        const int d = now - referenceTime_;
        if (d < 0 || d >= countdownLength_) {
            referenceTime_ = now;
            return TakeBurstShot();
        }
        countdownLabel_ = countdown_ =
            QStringLiteral("%1[%2]").arg(shotsTaken_ + 1).arg(countdownLength_ - d);
        return TickResult::kCountdown;
    }
    case kSplashWait: {
        const int state = splashState_.load();
        if (state == kSplashStarting)
            return TickResult::kNothing;
        if (state == kSplashUp) {
            splashState_.store(kSplashClose);
            return TickResult::kSplashClosing;
        }
        mode_ = kIdle;
        return TickResult::kSplashWaitOver;
    }
    default:
        return TickResult::kNothing;
    }
}

void StationModel::ReconnectCamera(const std::function<void()>& startSplash) {
    if (sys_.IsCameraOff())
        return;
    // A self-timer or burst cut short by the reconnection must not leave the controls
    // disabled: the shots taken so far end the burst as usual.
    if (mode_ == kBurst && shotsTaken_ > 0) {
        shotsWanted_ = shotIndex_;
        EndBurst();
    } else if (mode_ == kSelfTimer || mode_ == kBurst) {
        controlsEnabled_ = true;
        countdownLabel_ = NoCount();
        countdown_.clear();
    }
    splashState_.store(kSplashStarting);
    if (startSplash)
        startSplash();
    mode_ = kIdle;
    camera_.ConnectCamera();
    mode_ = kSplashWait;
}

bool StationModel::ChangePhotoFolder(const QString& folder) {
    if (!sys_.SetPhotoFolder(folder))
        return false;
    // Kept at once, so the choice is there at the next start whatever happens.
    sys_.Save();
    lastMadeName_.clear();
    lastMadeKind_ = 0;
    return true;
}

} // namespace vx7::camera
