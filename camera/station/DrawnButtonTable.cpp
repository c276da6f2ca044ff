#include "DrawnButtonTable.h"

namespace vx7::camera {
namespace {

// (left, top, right, bottom) as offsets from the anchor corner; right and bottom exclusive.
QRect Span(QPoint a, int l, int t, int r, int b) {
    return QRect(a.x() + l, a.y() + t, r - l, b - t);
}

} // namespace

DrawnButtonTable::DrawnButtonTable(QPoint a) {
    buttons_ = {{
        {DrawnButton::kLit, QStringLiteral("butVideo"), Span(a, 0, 0, 116, 28), kVideo, true},
        {DrawnButton::kLit, QStringLiteral("butPickd"), Span(a, 0, 34, 116, 62), kPicked, true},
        {DrawnButton::kNormal, QStringLiteral("Video_butSetfmt"), Span(a, 6, 74, 122, 103), kSetFormat},
        {DrawnButton::kNormal, QStringLiteral("Video_butSetSour"), Span(a, 6, 108, 122, 137), kSetSource},
        {DrawnButton::kNormal, QStringLiteral("Video_butSetComp"), Span(a, 6, 142, 122, 171),
         kSetCompression},
        {DrawnButton::kNormal, QStringLiteral("Video_butReco"), Span(a, -4, 299, 28, 331), kRecord},
        {DrawnButton::kHidden, QStringLiteral("Video_butRecoStop"), Span(a, 36, 299, 68, 331), kRecordStop},
        {DrawnButton::kNormal, QStringLiteral("Video_butbkMusic"), Span(a, 76, 299, 119, 331),
         kBackgroundMusic},
        {DrawnButton::kNormal, QStringLiteral("Video_butGoWeb"), Span(a, 2, 252, 118, 282), kGoWeb},
    }};
}

int DrawnButtonTable::IndexOfId(int id) const {
    for (int i = 0; i < kCount; ++i)
        if (buttons_[size_t(i)].id == id)
            return i;
    return -1;
}

int DrawnButtonTable::HitTest(QPoint point) const {
    for (int i = 0; i < kCount; ++i) {
        const DrawnButton& b = buttons_[size_t(i)];
        if (b.state != DrawnButton::kHidden && b.rect.contains(point))
            return i;
    }
    return -1;
}

int DrawnButtonTable::Hover(QPoint point) {
    const int found = HitTest(point);
    for (int i = 0; i < kCount; ++i) {
        DrawnButton& b = buttons_[size_t(i)];
        if (b.state != DrawnButton::kHidden)
            b.state = i == found || b.alwaysLit ? DrawnButton::kLit : DrawnButton::kNormal;
    }
    return found;
}

void DrawnButtonTable::Unhover() {
    Hover(QPoint(-1000000, -1000000));
}

QString DrawnButtonTable::PictureName(const DrawnButton& button) {
    return button.name +
           (button.state == DrawnButton::kLit ? QStringLiteral("_OK.png") : QStringLiteral("_NO.png"));
}

} // namespace vx7::camera
