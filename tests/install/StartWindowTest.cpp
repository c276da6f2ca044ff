#include "install/ui/StartWindow.h"
#include "install/model/StartWindowModel.h"

#include "InstallSandbox.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QUrl>

#include <gtest/gtest.h>

using vx7::install::StartWindow;
using vx7::install::StartWindowActions;
using vx7::install::StartWindowModel;
using vx7::test::InstallSandbox;
using Action = vx7::install::StartWindowModel::Action;

namespace {

struct RegionCase {
    int region;
    int xFrom, xTo, yFrom, yTo;
};
std::ostream& operator<<(std::ostream& os, const RegionCase& c) {
    return os << "region " << c.region;
}

class RegionTest : public ::testing::TestWithParam<RegionCase> {};

} // namespace

TEST(StartWindowModelTest, PictureIsCentredAndNeverPushedOffTheTopLeft) {
    EXPECT_EQ(StartWindowModel::WindowSize(QSize(1920, 1080)), QSize(1926, 1086));
    EXPECT_EQ(StartWindowModel::PictureOrigin(QSize(1926, 1086), QSize(540, 400)), QPoint(693, 343));
    EXPECT_EQ(StartWindowModel::PictureOrigin(QSize(541, 401), QSize(540, 400)), QPoint(0, 0));
    EXPECT_EQ(StartWindowModel::PictureOrigin(QSize(300, 500), QSize(540, 400)), QPoint(0, 50));
}

TEST_P(RegionTest, RegionExcludesItsBoundsAndHighlightsAtItsCorner) {
    const RegionCase& c = GetParam();
    StartWindowModel m;
    m.SetGeometry(QSize(1000, 800), QSize(540, 400));
    const QPoint o = m.Origin();
    const int ym = (c.yFrom + c.yTo) / 2;
    const int xm = (c.xFrom + c.xTo) / 2;
    EXPECT_EQ(m.RegionAt(o + QPoint(c.xFrom, ym)), 0);
    EXPECT_EQ(m.RegionAt(o + QPoint(c.xFrom + 1, ym)), c.region);
    EXPECT_EQ(m.RegionAt(o + QPoint(c.xTo - 1, ym)), c.region);
    EXPECT_EQ(m.RegionAt(o + QPoint(c.xTo, ym)), 0);
    EXPECT_EQ(m.RegionAt(o + QPoint(xm, c.yFrom)), 0);
    EXPECT_EQ(m.RegionAt(o + QPoint(xm, c.yFrom + 1)), c.region);
    EXPECT_EQ(m.RegionAt(o + QPoint(xm, c.yTo - 1)), c.region);
    EXPECT_EQ(m.RegionAt(o + QPoint(xm, c.yTo)), 0);
    EXPECT_EQ(m.HighlightPosition(c.region), o + QPoint(c.xFrom, c.yFrom));
    EXPECT_EQ(m.Click(o + QPoint(xm, ym)), static_cast<Action>(c.region));
}

INSTANTIATE_TEST_SUITE_P(Regions, RegionTest,
                         ::testing::Values(RegionCase{1, 53, 216, 134, 182}, RegionCase{2, 55, 220, 205, 255},
                                           RegionCase{3, 285, 477, 131, 183},
                                           RegionCase{4, 286, 476, 201, 250},
                                           RegionCase{5, 363, 483, 294, 344}));

TEST(StartWindowModelTest, HoverChangesOnlyWhenTheRegionChanges) {
    StartWindowModel m;
    m.SetGeometry(QSize(540, 400), QSize(540, 400));
    EXPECT_FALSE(m.MouseMove(QPoint(10, 10)));
    EXPECT_TRUE(m.MouseMove(QPoint(100, 150)));
    EXPECT_EQ(m.Hovered(), 1);
    EXPECT_FALSE(m.MouseMove(QPoint(101, 151)));
    EXPECT_TRUE(m.MouseMove(QPoint(300, 150)));
    EXPECT_EQ(m.Hovered(), 3);
    EXPECT_TRUE(m.MouseMove(QPoint(10, 10)));
    EXPECT_EQ(m.Hovered(), 0);
    EXPECT_EQ(m.Click(QPoint(10, 10)), Action::None);
}

TEST(StartWindowModelTest, WebPagesAreTheMediumsOwnPages) {
    EXPECT_EQ(QUrl(StartWindowModel::WebPageTarget(Action::WebPage1, "/m/p")).toLocalFile(),
              QString("/m/p/vx7EcameraHome.htm"));
    EXPECT_EQ(QUrl(StartWindowModel::WebPageTarget(Action::WebPage2, "/m/p")).toLocalFile(),
              QString("/m/p/vx7EcameraHelp.htm"));
    EXPECT_EQ(StartWindowModel::WebPageTarget(Action::Quit, "/m/p"), QString());
}

namespace {

void Send(QWidget& w, QEvent::Type type, const QPoint& p, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent e(type, QPointF(p), w.mapToGlobal(QPointF(p)), button,
                  type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

struct StartWindowTest : ::testing::Test {
    InstallSandbox box;
    int installs = 0, uninstalls = 0;
    QStringList pages;
    StartWindowActions Actions() {
        return {[this] { ++installs; }, [this] { ++uninstalls; },
                [this](const QString& p) { pages.append(p); }};
    }
    static QImage Solid(int w, int h, QColor c) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(c);
        return img;
    }
};

} // namespace

TEST_F(StartWindowTest, WithoutPicturesAPlainPictureOfTheRightSizeIsDrawn) {
    StartWindow w(box.Root() + "/nothing-here", Actions());
    EXPECT_EQ(w.Picture().size(), QSize(540, 400));
    EXPECT_FALSE(w.Highlight(1).isNull());
    EXPECT_EQ(w.Highlight(5).size(), QSize(483 - 363 + 1, 344 - 294 + 1));
}

TEST_F(StartWindowTest, HoverDrawsTheHighlightAndTheHandAndLeavingRestoresThem) {
    const QString folder = box.MediumFolder();
    ASSERT_TRUE(Solid(540, 400, Qt::blue).save(folder + "/vx7EcameraInstPic.jpg", "JPG", 100));
    ASSERT_TRUE(Solid(164, 49, Qt::red).save(folder + "/vx7EcameraInstPic_1.jpg", "JPG", 100));
    StartWindow w(folder, Actions());
    w.resize(740, 600);
    w.show();
    const QPoint o = w.Model().Origin();
    ASSERT_EQ(o, QPoint(100, 100));
    const QPoint inRegion1 = o + QPoint(100, 150);

    Send(w, QEvent::MouseMove, inRegion1);
    EXPECT_EQ(w.cursor().shape(), Qt::PointingHandCursor);
    QImage shown = w.grab().toImage();
    QColor c = shown.pixelColor(o + QPoint(60, 140));
    EXPECT_GT(c.red(), 200);
    EXPECT_LT(c.blue(), 60);

    Send(w, QEvent::MouseMove, o + QPoint(10, 10));
    EXPECT_NE(w.cursor().shape(), Qt::PointingHandCursor);
    shown = w.grab().toImage();
    c = shown.pixelColor(o + QPoint(60, 140));
    EXPECT_LT(c.red(), 60);
    EXPECT_GT(c.blue(), 200);
}

TEST_F(StartWindowTest, ClicksActOnTheRegionUnderThePointer) {
    StartWindow w(box.MediumFolder(), Actions());
    w.resize(540, 400);
    w.show();
    Send(w, QEvent::MouseButtonPress, QPoint(100, 150), Qt::LeftButton);
    Send(w, QEvent::MouseButtonPress, QPoint(100, 230), Qt::LeftButton);
    Send(w, QEvent::MouseButtonPress, QPoint(300, 150), Qt::LeftButton);
    Send(w, QEvent::MouseButtonPress, QPoint(300, 220), Qt::LeftButton);
    Send(w, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(installs, 1);
    EXPECT_EQ(uninstalls, 1);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].endsWith("/vx7EcameraHome.htm"));
    EXPECT_TRUE(pages[1].endsWith("/vx7EcameraHelp.htm"));
    EXPECT_TRUE(w.isVisible());
    Send(w, QEvent::MouseButtonPress, QPoint(400, 320), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible()) << "region 5 quits";
}

TEST_F(StartWindowTest, RightClickQuitsAnywhere) {
    StartWindow w(box.MediumFolder(), Actions());
    w.resize(540, 400);
    w.show();
    Send(w, QEvent::MouseButtonPress, QPoint(100, 150), Qt::RightButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(installs, 0);
}
