#include "GifMakingSettings.h"

#include "platform/Gbk.h"

#include <cmath>
#include <cstdlib>

namespace vx7::animation {
namespace {

// The number at the start of a text, as the C library reads it: leading blanks are
// skipped, anything that is not a number gives 0.
double LeadingNumber(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::strtod(bytes.constData(), nullptr);
}

qsizetype ByteLength(const QString& text) {
    if (const auto gbk = platform::ToGbk(text))
        return gbk->size();
    return text.toUtf8().size();
}

} // namespace

GifMakingSettings::GifMakingSettings(Place place)
    : place_(place), interval_(place == Place::Station ? QStringLiteral("1.5") : QStringLiteral("1.6")) {}

const QStringList& GifMakingSettings::Entries() {
    static const QStringList entries{
        QStringLiteral("0.5"), QStringLiteral("1"),           QStringLiteral("1.5"),      QStringLiteral("2"),
        QStringLiteral("2.5"), QStringLiteral("3"),           QStringLiteral("3.5"),      QStringLiteral("4"),
        QStringLiteral("4.5"), QStringLiteral("5"),           QStringLiteral("5.5"),      QStringLiteral("6"),
        Separator(),           ModeText(kModePopularColours), ModeText(kModeHighContrast)};
    return entries;
}

QString GifMakingSettings::Separator() {
    return QStringLiteral("-------------------");
}

QString GifMakingSettings::ModeText(int mode) {
    return mode == kModeHighContrast ? QStringLiteral("普通高反差") : QStringLiteral("高质流行色");
}

bool GifMakingSettings::SelectIntervalOrMode(const QString& text) {
    if (ByteLength(text) < 6) {
        if (place_ == Place::Window) {
            const int tenths = static_cast<int>(LeadingNumber(text) * 10.0);
            if (tenths < kWindowMinTenths || tenths > kWindowMaxTenths)
                return false;
        }
        const bool changed = interval_ != text;
        interval_ = text;
        return changed;
    }
    int mode = -1;
    if (text == ModeText(kModePopularColours))
        mode = kModePopularColours;
    else if (text == ModeText(kModeHighContrast))
        mode = kModeHighContrast;
    if (mode < 0 || mode == mode_)
        return false;
    mode_ = mode;
    return true;
}

int GifMakingSettings::DelayOf(const QString& intervalText) {
    const double hundredths = LeadingNumber(intervalText) * 100.0;
    if (!std::isfinite(hundredths) || hundredths <= 0.0)
        return 0;
    // The delay field of a frame is 16 bits wide.
    return hundredths >= 65535.0 ? 65535 : static_cast<int>(hundredths);
}

} // namespace vx7::animation
