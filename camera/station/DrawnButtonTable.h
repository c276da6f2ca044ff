#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace vx7::camera {

// A picture button the station paints itself from "<name>_OK.png" / "<name>_NO.png"
// and hit-tests by rectangle.
struct DrawnButton {
    static constexpr char kNormal = 'c';
    static constexpr char kLit = 'Y';
    static constexpr char kHidden = 'x';

    char state = kNormal;
    QString name;
    QRect rect;
    int id = 0;
    bool alwaysLit = false; // the two door buttons, which always show their lit picture
};

// The station's nine drawn buttons, laid out from the top-left corner (X, Y) of the
// anchor control. A button is lit ('Y') while the pointer is over it (the two door
// buttons always); a hidden one ('x') is never drawn nor hit.
class DrawnButtonTable {
  public:
    enum Id : int {
        kVideo = 1001,
        kPicked = 1002,
        kSetFormat = 2001,
        kSetSource = 2002,
        kSetCompression = 2003,
        kRecord = 2010,
        kRecordStop = 2011,
        kBackgroundMusic = 2012,
        kGoWeb = 3002,
    };
    static constexpr int kCount = 9;

    explicit DrawnButtonTable(QPoint anchor);

    const std::array<DrawnButton, kCount>& Buttons() const { return buttons_; }
    const DrawnButton& At(int i) const { return buttons_.at(size_t(i)); }
    int IndexOfId(int id) const;

    // The first button not hidden whose rectangle holds point; -1 when none.
    int HitTest(QPoint point) const;

    // Hover: the button under the point (as HitTest) becomes lit and every other lit
    // button goes back to normal. Returns its index or -1.
    int Hover(QPoint point);
    // The pointer left the window: no button is lit.
    void Unhover();

    // The picture shown for a button: "_OK" when lit, "_NO" otherwise.
    static QString PictureName(const DrawnButton& button);

  private:
    std::array<DrawnButton, kCount> buttons_;
};

} // namespace vx7::camera
