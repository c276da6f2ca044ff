#include "controls/GradientButton.h"
#include "controls/VerticalGradient.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

using namespace vx7::controls;

namespace {

QImage RenderButton(GradientButton& button, bool pressed, bool hovering, bool enabled) {
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    button.Render(painter, image.rect(), pressed, hovering, enabled);
    return image;
}

} // namespace

TEST(VerticalGradientTest, StepsByIntegerDivisionFromTheStart) {
    // Red 200 -> 100 over 10 rows: step 10, rows 190, 180, ... 100.
    const auto rows = VerticalGradientRows(MakeColourRef(200, 0, 0), MakeColourRef(100, 0, 0), 10);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(RedOf(rows[0]), 190);
    EXPECT_EQ(RedOf(rows[9]), 100);
    // A difference smaller than the height gives step 0: flat at the start colour.
    const auto flat = VerticalGradientRows(MakeColourRef(10, 20, 30), MakeColourRef(12, 22, 32), 5);
    for (ColourRef c : flat)
        EXPECT_EQ(c, MakeColourRef(10, 20, 30));
}

TEST(VerticalGradientTest, RisingChannelsAndZeroHeight) {
    // Green 0 -> 255 over 5 rows: step (0 - 255) / 5 = -51, rows 51 ... 255.
    const auto rows = VerticalGradientRows(MakeColourRef(0, 0, 0), MakeColourRef(0, 255, 0), 5);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(GreenOf(rows[0]), 51);
    EXPECT_EQ(GreenOf(rows[4]), 255);
    EXPECT_TRUE(VerticalGradientRows(0, 0xFFFFFF, 0).empty());
}

TEST(GradientButtonTest, DefaultHoverRingRunsFromLightOrangeToOrange) {
    const ColourRef start = GradientButton::HoverRingStart(GradientButton::kDefaultHover);
    EXPECT_EQ(start, MakeColourRef(255, 220, 180));
    EXPECT_EQ(GradientButton::kDefaultHover, MakeColourRef(255, 120, 80));
    // No clamping: a green channel above 155 carries into blue, and the result keeps 24 bits.
    EXPECT_EQ(GradientButton::HoverRingStart(MakeColourRef(0, 200, 255)), 0x00642C00u);
}

TEST(GradientButtonTest, DisabledCentredButtonShowsDashesWhateverItsCaption) {
    GradientButton a(QStringLiteral("确定"));
    GradientButton b(QStringLiteral("取消取消"));
    for (GradientButton* button : {&a, &b}) {
        button->resize(80, 24);
        button->SetLayout(0);
    }
    const QImage disabledA = RenderButton(a, false, false, false);
    const QImage disabledB = RenderButton(b, false, false, false);
    EXPECT_EQ(disabledA, disabledB);
    EXPECT_NE(RenderButton(a, false, false, true), RenderButton(b, false, false, true));
}

TEST(GradientButtonTest, HoverPaintsTheRingAndPressedInvertsTheFace) {
    GradientButton button(QStringLiteral("x"));
    button.resize(60, 20);
    const QImage normal = RenderButton(button, false, false, true);
    const QImage hover = RenderButton(button, false, true, true);
    const QImage pressed = RenderButton(button, true, false, true);
    // The outer ring pixel at the left edge, mid-height, carries the hover gradient.
    const QColor ring = hover.pixelColor(0, 10);
    EXPECT_EQ(ring.red(), 255);
    EXPECT_GT(ring.green(), 120);
    EXPECT_LT(ring.green(), 220);
    // Not hovering: the outline is the border colour there.
    EXPECT_EQ(normal.pixelColor(0, 10), ToQColor(GradientButton::kDefaultBorder));
    // The inner frame: light at top-left when up, dark when pressed.
    EXPECT_EQ(normal.pixelColor(1, 10), ToQColor(GradientButton::kDefaultFrameLight));
    EXPECT_EQ(pressed.pixelColor(1, 10), ToQColor(GradientButton::kDefaultFrameDark));
}

TEST(GradientButtonTest, MouseMoveSetsHoverAndLeavingClearsIt) {
    GradientButton button(QStringLiteral("x"));
    button.resize(60, 20);
    button.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
    EXPECT_TRUE(button.IsHovering());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.IsHovering());
}
