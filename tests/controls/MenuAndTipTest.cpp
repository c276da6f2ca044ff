#include "controls/CTbarButTittleTip.h"
#include "controls/IconMenu.h"

#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::controls;

TEST(IconMenuTest, MeasuresSeparatorsBareItemsAndTexts) {
    IconMenu menu;
    IconMenu::Item sep;
    sep.separator = true;
    EXPECT_EQ(menu.MeasureItem(sep), QSize(10, 6));
    IconMenu::Item bare;
    EXPECT_EQ(menu.MeasureItem(bare), QSize(100, 25));
    IconMenu::Item text;
    text.text = "打开";
    const QFontMetrics m(menu.MenuFont());
    const int h = std::max(25, m.height());
    EXPECT_EQ(menu.MeasureItem(text), QSize(m.horizontalAdvance("打开") + 17 + std::max(20, h), h));
}

TEST(IconMenuTest, LoadsImagesFromTheStripWithTheMaskTransparent) {
    QTemporaryDir dir;
    QImage strip(60, 20, QImage::Format_RGB32);
    strip.fill(QColor(0xC0, 0xC0, 0xC0));
    strip.setPixelColor(25, 5, Qt::red); // in image 1
    const QString path = dir.filePath("strip.png");
    ASSERT_TRUE(strip.save(path));
    IconMenu menu;
    ASSERT_TRUE(menu.LoadImages(path, {100, 200, 0}));
    EXPECT_EQ(menu.ImageCount(), 2);
    const QImage image = menu.ImageFor(200).toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_FALSE(menu.LoadImages(dir.filePath("missing.png"), {1}));
    QMenu qmenu;
    qmenu.addAction("a")->setData(200);
    qmenu.addMenu("sub")->addAction("b")->setData(100);
    menu.MakeOwnerDrawn(&qmenu);
    EXPECT_FALSE(qmenu.actions().at(0)->icon().isNull());
    EXPECT_FALSE(qmenu.actions().at(1)->menu()->actions().at(0)->icon().isNull());
}

TEST(IconMenuTest, DrawsTheSelectionFillAndTheTwoToneSeparator) {
    IconMenu menu;
    const auto& c = menu.SystemColours();
    QImage image(200, 30, QImage::Format_RGB32);
    {
        QPainter p(&image);
        IconMenu::Item item;
        item.text = "x\tCtrl+X";
        item.selected = true;
        menu.DrawItem(p, image.rect(), item);
    }
    EXPECT_EQ(image.pixel(100, 1), c.highlight.rgb());
    {
        QPainter p(&image);
        IconMenu::Item sep;
        sep.separator = true;
        menu.DrawItem(p, QRect(0, 0, 200, 6), sep);
    }
    EXPECT_EQ(image.pixel(50, 2), c.buttonShadow.rgb());
    EXPECT_EQ(image.pixel(50, 3), c.buttonHighlight.rgb());
    EXPECT_EQ(image.pixel(1, 2), c.menu.rgb()); // the line starts 2 pixels in
}

TEST(CTbarButTittleTipTest, HidesOnTheFourthTickAndKeepsItsPlaceWhileVisible) {
    QWidget owner;
    owner.resize(300, 200);
    CTbarButTittleTip tip(&owner);
    tip.SetFocusCheck([] { return true; });
    tip.ShowTip(50, 100, "打开文件");
    ASSERT_TRUE(tip.isVisible());
    EXPECT_TRUE(tip.TimerRunning());
    const QRect where = tip.geometry();
    tip.ShowTip(10, 10, "别的");
    EXPECT_EQ(tip.Text(), "打开文件");
    EXPECT_EQ(tip.geometry(), where);
    EXPECT_EQ(tip.ShowCount(), 1);
    for (int i = 0; i < 3; ++i) {
        tip.Tick();
        EXPECT_TRUE(tip.isVisible()) << i;
    }
    tip.Tick();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_FALSE(tip.TimerRunning());
}

TEST(CTbarButTittleTipTest, PlacedAboveThePointAndNotShownWithoutFocus) {
    EXPECT_EQ(CTbarButTittleTip::TipRect(50, 100, QSize(40, 14)), QRect(QPoint(50, 70), QPoint(97, 89)));
    QWidget owner;
    CTbarButTittleTip tip(&owner);
    tip.SetFocusCheck([] { return false; });
    tip.ShowTip(5, 50, "x");
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.ShowCount(), 0);
}
