#include "controls/CaptionLabel.h"
#include "controls/ColourButton.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vx7::controls;

namespace {

QImage Render(CaptionLabel& label, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    label.Render(painter, image.rect());
    return image;
}

} // namespace

TEST(CaptionLabelTest, LeftFramedStyleDrawsItsFrameAndIconOnlyWithTheFlag) {
    CaptionLabel label;
    label.SetLabelStyle('L', ' ');
    label.SetBackColour(MakeColourRef(12, 199, 199));
    label.SetFill(9);
    const QImage plain = Render(label, QSize(80, 22));
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(0x2B, 0x2B, 0x2B));
    EXPECT_EQ(plain.pixelColor(79, 21), QColor(0x8B, 0x8B, 0x8B));
    EXPECT_TRUE(label.IconRect(QRect(0, 0, 80, 22)).isNull());
    // The icon area holds only the fill colour without the flag.
    for (int x = 61; x < 77; ++x)
        EXPECT_EQ(plain.pixelColor(x, 10), QColor(12, 199, 199)) << x;
    label.SetLabelStyle('L', 'A');
    EXPECT_EQ(label.IconRect(QRect(0, 0, 80, 22)), QRect(61, 3, 16, 16));
    const QImage withIcon = Render(label, QSize(80, 22));
    bool changed = false;
    for (int x = 61; x < 77; ++x)
        changed |= withIcon.pixelColor(x, 10) != QColor(12, 199, 199);
    EXPECT_TRUE(changed);
}

TEST(CaptionLabelTest, StylesPlaceTheirText) {
    CaptionLabel label;
    const QRect r(0, 0, 100, 30);
    label.SetLabelStyle('L', ' ');
    EXPECT_EQ(label.TextRect(r), QRect(6, 3, 94, 27));
    EXPECT_EQ(label.TextAlignment(), int(Qt::AlignLeft | Qt::AlignTop));
    label.SetLabelStyle('c', ' ');
    EXPECT_EQ(label.TextRect(r), QRect(0, 3, 100, 30));
    EXPECT_EQ(label.TextAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
    label.SetLabelStyle('x', ' ');
    EXPECT_EQ(label.TextRect(r), r);
}

TEST(CaptionLabelTest, UnfilledLabelsLeaveTheBackgroundAndPlainOnesHaveNoFrame) {
    CaptionLabel label(QString(""));
    label.SetBackColour(MakeColourRef(1, 2, 3));
    const QImage image = Render(label, QSize(40, 20));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::white));
    label.SetLabelStyle('c', ' ');
    EXPECT_EQ(Render(label, QSize(40, 20)).pixelColor(0, 0), QColor(0x53, 0x53, 0x53));
}

TEST(CaptionLabelTest, LongCaptionsKeepBothEndsAndShowWholeInTheTooltip) {
    QWidget parent;
    CaptionLabel label(&parent);
    label.setGeometry(0, 0, 120, 20);
    const QString longText = "Vantor摄像头拍照(动画)Snapo2011/2011拍照图片/我的照片1(2).bmp";
    label.SetCaption(longText);
    const QString shown = label.ShownText(label.rect());
    EXPECT_LT(shown.size(), longText.size());
    EXPECT_TRUE(shown.startsWith("Van")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(".bmp")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_EQ(label.toolTip(), longText);
    label.SetCaption("---");
    EXPECT_EQ(label.ShownText(label.rect()), "---");
    EXPECT_TRUE(label.toolTip().isEmpty());
}

TEST(ColourButtonTest, PaintsItsColour) {
    ColourButton button;
    button.resize(40, 20);
    button.SetButtonColour(MakeColourRef(10, 200, 30));
    button.SetButtonText("ok");
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 10), QColor(10, 200, 30));
    EXPECT_EQ(button.text(), "ok");
}
