#pragma once

#include <QString>
#include <QStringList>

namespace vx7::animation {

// The frame interval and colour mode chosen from an interval list. The same list
// entries serve the camera station and the animation window; the two places differ
// in their default interval and in whether an interval is range-checked.
class GifMakingSettings {
  public:
    enum class Place { Station, Window };

    // Colour modes, by their list texts.
    static constexpr int kModePopularColours = 0; // "高质流行色"
    static constexpr int kModeHighContrast = 1;   // "普通高反差"

    // Bounds of an interval accepted in the animation window, in tenths of a second.
    static constexpr int kWindowMinTenths = 5;
    static constexpr int kWindowMaxTenths = 80;

    explicit GifMakingSettings(Place place);

    // The list entries in their order: twelve intervals, the separator and the two modes.
    static const QStringList& Entries();
    static QString Separator();
    static QString ModeText(int mode);

    // Applies the selected list text. A text shorter than 6 bytes (in the records'
    // code page) is an interval; anything else is compared with the two mode texts.
    // Returns true when the interval or the mode changed.
    bool SelectIntervalOrMode(const QString& text);

    QString Interval() const { return interval_; }
    int Mode() const { return mode_; }
    Place Where() const { return place_; }

    // Whole hundredths of a second: the whole part of (interval in seconds x 100).
    int DelayHundredths() const { return DelayOf(interval_); }
    static int DelayOf(const QString& intervalText);

  private:
    Place place_;
    QString interval_;
    int mode_ = kModePopularColours;
};

} // namespace vx7::animation
