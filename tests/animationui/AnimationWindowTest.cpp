#include "animation/window/AnimationWindow.h"
#include "RecordingGifEngine.h"
#include "ScriptedFileChooser.h"
#include "TestMedia.h"
#include "animation/picture/AnimatedPicture.h"
#include "animation/window/AnimationWindowLayout.h"
#include "animation/window/GstVideoPlayer.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::animation;
using W = AnimationWindow;

namespace {

const std::vector<QColor> kPalette{Qt::black, Qt::red, Qt::blue, Qt::green};

QByteArray TwoFrameGif(int delay = 10) {
    return vx7::test::SolidFramesGif(
        64, 48, kPalette, {{QRect(0, 0, 64, 48), 1, delay, 1}, {QRect(8, 8, 16, 16), 2, delay, 2}});
}

struct AnimationWindowTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    QString previous = QDir::currentPath();
    vx7::core::SysInfo sys;
    vx7::test::ScriptedPrompt prompt;
    vx7::core::EncoderRegistry encoders;
    vx7::test::RecordingGifEngine engine{home.Sub("tmpBmpData")};
    vx7::test::ScriptedFileChooser files;

    void SetUp() override {
        QDir::setCurrent(home.Path());
        sys.SetFolder(home.Path());
        sys.Load();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    AnimationWindowContext Context() {
        return {sys, prompt, encoders, engine, files, [] { return MakeGstVideoPlayer(); }};
    }
    QString Photo(const QString& name) const { return sys.PhotoFolder() + "/" + name; }
    QString Avi(const QString& name, int w = 320, int h = 240) {
        const QString path = Photo(name);
        QString error;
        EXPECT_TRUE(vx7::test::MakeTestAvi(path, w, h, 10, 25, &error)) << error.toStdString();
        return path;
    }
    static bool Visible(const W& w, int id) { return w.Control(id)->isVisibleTo(const_cast<W*>(&w)); }
    static bool Enabled(const W& w, int id) { return w.Control(id)->isEnabled(); }
    static QString Text(const W& w, int id) { return static_cast<QLabel*>(w.Control(id))->text(); }
    static int RowOf(const W& w, const QString& title) {
        for (int row = 0; row < w.ListRowCount(); ++row)
            if (w.RowText(row, 1) == title)
                return row;
        return -1;
    }
    static void Grab(W& w, const char* name) {
        const QByteArray dir = qgetenv("VX7_GRAB_DIR");
        if (!dir.isEmpty())
            w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
};

} // namespace

TEST_F(AnimationWindowTest, ControlsSitInTheirLayoutRectanglesInsideTheWindowWithoutOverlapping) {
    using L = AnimationWindowLayout;
    W w(Context());
    EXPECT_EQ(w.size(), L::kClientSize);
    EXPECT_EQ(w.DialogDisplayRect(), L::kDisplay);
    const std::vector<std::pair<int, QRect>> placed = {{W::kDisplay, L::kDisplay},
                                                       {W::kFileList, L::kFileList},
                                                       {W::kModeAvi, L::kModeAvi},
                                                       {W::kModeGif, L::kModeGif},
                                                       {W::kModeMakeGif, L::kModeMakeGif},
                                                       {W::kInfo, L::kInfo},
                                                       {W::kFrame, L::kFrame},
                                                       {W::kStatus, L::kStatus},
                                                       {W::kOpenFile, L::kOpenFile},
                                                       {W::kCloseFile, L::kCloseFile},
                                                       {W::kPlay, L::kPlay},
                                                       {W::kStop, L::kStop},
                                                       {W::kFill, L::kFill},
                                                       {W::kAddPicture, L::kAddPicture},
                                                       {W::kBuildGif, L::kBuildGif},
                                                       {W::kGifFolder, L::kGifFolder},
                                                       {W::kInterval, L::kInterval},
                                                       {W::kNameCaption, L::kNameCaption},
                                                       {W::kName, L::kName}};
    const QRect client(QPoint(0, 0), L::kClientSize);
    std::vector<QRect> all;
    for (const auto& [id, rect] : placed) {
        EXPECT_EQ(w.Control(id)->geometry(), rect) << id;
        all.push_back(rect);
    }
    all.push_back(L::kProgress);
    all.push_back(L::kBuildStatus);
    // The GIF picture lies over the display in the area's own coordinates.
    EXPECT_EQ(w.Control(W::kGifPicture)->parentWidget()->geometry(), L::kDisplay);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(client.contains(all[i])) << i;
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(all[i].intersects(all[j])) << i << " and " << j;
    }
}

TEST(AnimationWindowLayoutTest, AChosenPictureKeepsItsSizeOrShrinksToFitWithItsProportions) {
    const QRect display = AnimationWindowLayout::kDisplay; // 480 x 360
    using L = AnimationWindowLayout;
    EXPECT_EQ(L::PictureRect(display, QSize(100, 50)), QRect(display.topLeft(), QSize(100, 50)));
    EXPECT_EQ(L::PictureRect(display, QSize(480, 360)), display);
    EXPECT_EQ(L::PictureRect(display, QSize(960, 400)), QRect(display.topLeft(), QSize(480, 200)));
    EXPECT_EQ(L::PictureRect(display, QSize(100, 720)), QRect(display.topLeft(), QSize(50, 360)));
    // A sliver never shrinks to nothing.
    EXPECT_EQ(L::PictureRect(display, QSize(1, 100000)), QRect(display.topLeft(), QSize(1, 360)));
}

TEST_F(AnimationWindowTest, StartsInAviModeWithItsControlSet) {
    Avi("first.avi");
    W w(Context());
    EXPECT_EQ(w.windowTitle(), "视频[动画]窗口< Gif目录:" + sys.PhotoFolder() + " >");
    EXPECT_EQ(w.CurrentMode(), W::kAvi);
    for (int id : {W::kOpenFile, W::kCloseFile, W::kStatus, W::kFill, W::kDisplay, W::kStop, W::kPlay})
        EXPECT_TRUE(Visible(w, id)) << id;
    for (int id : {W::kAddPicture, W::kBuildGif, W::kGifFolder, W::kInterval, W::kNameCaption, W::kName,
                   W::kGifPicture})
        EXPECT_FALSE(Visible(w, id)) << id;
    for (int id : {W::kOpenFile, W::kCloseFile, W::kPlay, W::kStop})
        EXPECT_FALSE(Enabled(w, id)) << id;
    ASSERT_EQ(w.ListRowCount(), 1);
    EXPECT_EQ(w.RowText(0, 0), QString("1"));
    EXPECT_EQ(w.RowText(0, 1), QString("first"));
    w.SelectRow(0);
    EXPECT_TRUE(Enabled(w, W::kOpenFile));
    EXPECT_EQ(Text(w, W::kStatus), QString("first"));
    EXPECT_EQ(w.PathToOpen(), Photo("first.avi"));
}

TEST_F(AnimationWindowTest, ModeChangesSwapTheControlSetsAndRefillTheList) {
    for (int i = 0; i < 5; ++i)
        home.WriteFile(QString("2011拍照图片/v%1.avi").arg(i), "x");
    home.WriteFile("2011拍照图片/a.gif", TwoFrameGif());
    home.WriteFile("2011拍照图片/b.gif", TwoFrameGif());
    W w(Context());
    EXPECT_EQ(w.ListRowCount(), 5);
    w.SelectRow(3);
    w.SetMode(W::kGif);
    EXPECT_EQ(w.Files().FileCount(), 2);
    EXPECT_EQ(w.ListRowCount(), 5);
    EXPECT_EQ(w.RowText(4, 1), QString("-----"));
    EXPECT_EQ(w.RowText(2, 1), QString("-----"));
    EXPECT_EQ(w.Files().SelectedRow(), -1); // row 3 is past the two GIFs
    EXPECT_FALSE(Enabled(w, W::kOpenFile));
    EXPECT_TRUE(Text(w, W::kStatus).isEmpty());

    w.SetMode(W::kMakeGif);
    for (int id : {W::kOpenFile, W::kCloseFile, W::kStatus, W::kFill, W::kDisplay})
        EXPECT_FALSE(Visible(w, id)) << id;
    for (int id : {W::kAddPicture, W::kBuildGif, W::kGifFolder, W::kInterval, W::kNameCaption, W::kName})
        EXPECT_TRUE(Visible(w, id)) << id;
    EXPECT_FALSE(Enabled(w, W::kBuildGif));
    EXPECT_EQ(w.RowText(0, 1), QString("-----"));

    w.SetMode(W::kAvi);
    EXPECT_EQ(w.Files().FileCount(), 5);
    EXPECT_TRUE(Visible(w, W::kOpenFile));
    EXPECT_FALSE(Visible(w, W::kAddPicture));
    EXPECT_NE(w.RowText(4, 1), QString("-----"));
}

TEST_F(AnimationWindowTest, ListsTheFirst260Of261Files) {
    for (int i = 0; i < 261; ++i)
        home.WriteFile(QString("2011拍照图片/v%1.avi").arg(i, 3, 10, QChar('0')), "x");
    W w(Context());
    EXPECT_EQ(w.ListRowCount(), 260);
    EXPECT_EQ(w.RowText(259, 0), QString("260"));
    EXPECT_NE(w.RowText(259, 1), QString("-----"));
}

TEST_F(AnimationWindowTest, OpeningAnAviWhileAGifPlaysStopsTheThreadAndShowsTheVideo) {
    const QString avi = Avi("clip.avi");
    home.WriteFile("2011拍照图片/anim.gif", TwoFrameGif());
    W w(Context());
    w.SetMode(W::kGif);
    w.SelectRow(0);
    w.OpenFile();
    EXPECT_EQ(w.ShownKind(), W::Shown::Gif);
    EXPECT_TRUE(w.Picture()->Model().IsPlaying());
    EXPECT_TRUE(Visible(w, W::kGifPicture));
    EXPECT_FALSE(Visible(w, W::kDisplay));
    EXPECT_FALSE(Visible(w, W::kStop));
    EXPECT_FALSE(Visible(w, W::kFill));
    EXPECT_FALSE(Enabled(w, W::kPlay));
    EXPECT_TRUE(Enabled(w, W::kCloseFile));

    w.SetMode(W::kAvi);
    EXPECT_TRUE(w.Picture()->Model().IsPlaying()); // a mode change leaves what plays alone
    w.SelectRow(RowOf(w, "clip"));
    w.OpenFile();
    EXPECT_FALSE(w.Picture()->Model().IsPlaying());
    EXPECT_EQ(w.ShownKind(), W::Shown::Video);
    EXPECT_TRUE(Visible(w, W::kDisplay));
    EXPECT_FALSE(Visible(w, W::kGifPicture));
    ASSERT_NE(w.Player(), nullptr);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(Text(w, W::kInfo), QString("[ 1500 帧/分 ],[ 10 帧 ],[ 宽 320 高 240 ]"));
    EXPECT_TRUE(Enabled(w, W::kPlay));
    EXPECT_TRUE(Enabled(w, W::kCloseFile));
    EXPECT_FALSE(Enabled(w, W::kStop));
    EXPECT_DOUBLE_EQ(w.Player()->Rate(), 1.02); // speed 1020
    // A 320 x 240 video is centred in the 480 x 360 area at its own size.
    const QRect area = w.DialogDisplayRect();
    EXPECT_EQ(w.Control(W::kDisplay)->geometry(), QRect(area.x() + 80, area.y() + 60, 320, 240));
    w.SetFillArea(true);
    EXPECT_EQ(w.Control(W::kDisplay)->geometry(), area);
}

TEST_F(AnimationWindowTest, PlayAtTheEndStartsAgainFromTheFirstFrame) {
    Avi("clip.avi");
    W w(Context());
    w.SelectRow(0);
    w.OpenFile();
    ASSERT_NE(w.Player(), nullptr);
    w.Play();
    EXPECT_EQ(w.PlayState(), W::kPlayStatePlaying);
    EXPECT_TRUE(Enabled(w, W::kStop));
    EXPECT_TRUE(Text(w, W::kFrame).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            w.Tick();
            return w.PlayState() == 0;
        },
        15000));
    EXPECT_FALSE(Enabled(w, W::kStop));
    EXPECT_EQ(Text(w, W::kFrame), QString("< 10 > 帧"));
    EXPECT_EQ(w.Player()->PositionFrames(), w.Player()->LengthFrames());
    w.Play();
    EXPECT_LT(w.Player()->PositionFrames(), w.Player()->LengthFrames());
    EXPECT_EQ(w.Player()->CurrentMode(), VideoPlayer::Mode::Playing);
    w.StopVideo();
    EXPECT_EQ(w.PlayState(), 0);
    EXPECT_EQ(w.Player()->PositionFrames(), 0);
    EXPECT_FALSE(Enabled(w, W::kStop));
}

TEST_F(AnimationWindowTest, ASecondVideoNeedsTheFirstClosedAndBadFilesSayTheyCannotOpen) {
    Avi("a.avi");
    Avi("b.avi");
    home.WriteFile("2011拍照图片/junk.avi", QByteArray(3000, 'z'));
    W w(Context());
    w.SelectRow(RowOf(w, "a"));
    w.OpenFile();
    w.Play();
    w.SelectRow(RowOf(w, "b"));
    w.OpenFile();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QString("请在打开视频文件前先关闭原来的文件"));
    EXPECT_FALSE(prompt.shown[0].question);
    EXPECT_EQ(w.Player()->CurrentMode(), VideoPlayer::Mode::Paused);

    w.CloseFile();
    EXPECT_EQ(w.Player(), nullptr);
    for (int id : {W::kCloseFile, W::kPlay, W::kStop})
        EXPECT_FALSE(Enabled(w, id)) << id;
    EXPECT_TRUE(Text(w, W::kStatus).isEmpty());

    w.SelectRow(RowOf(w, "junk"));
    w.OpenFile();
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, QString("无法打开该文件!"));
    EXPECT_EQ(prompt.shown[1].title, QString("Error"));
    EXPECT_EQ(w.Player(), nullptr);

    // A file removed after it was listed.
    const int row = RowOf(w, "b");
    QFile::remove(Photo("b.avi"));
    w.SelectRow(row);
    w.OpenFile();
    ASSERT_EQ(prompt.shown.size(), 3u);
    EXPECT_EQ(prompt.shown[2].text, QString("无法打开该文件!"));
    // Still usable.
    w.SelectRow(RowOf(w, "a"));
    w.OpenFile();
    EXPECT_NE(w.Player(), nullptr);
}

TEST_F(AnimationWindowTest, GifsThatCannotLoadShowNothingAndSayNothing) {
    home.WriteFile("2011拍照图片/bad.gif", "GIF89a broken");
    home.WriteFile("2011拍照图片/gone.gif", TwoFrameGif());
    W w(Context());
    w.SetMode(W::kGif);
    w.SelectRow(RowOf(w, "bad"));
    w.OpenFile();
    EXPECT_FALSE(w.Picture()->Model().IsReady());
    const int row = RowOf(w, "gone");
    QFile::remove(Photo("gone.gif"));
    w.SelectRow(row);
    w.OpenFile();
    EXPECT_FALSE(w.Picture()->Model().IsReady());
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(AnimationWindowTest, JustMadeGifOpensItselfAfterTheFirstPaint) {
    // The GIF folder lies elsewhere; the just-made file is still taken from the photo folder.
    home.WriteFile("gifs/other.gif", TwoFrameGif());
    sys.Text(vx7::core::SysInfo::kStoreGifFolder, home.Sub("gifs"));
    home.WriteFile("2011拍照图片/我的照片1.gif", TwoFrameGif());
    W w(Context(), LastMadeFile{"我的照片1.gif", LastMadeFile::kGif}, true);
    EXPECT_EQ(w.CurrentMode(), W::kGif);
    EXPECT_EQ(w.ShownKind(), W::Shown::Gif);
    EXPECT_FALSE(Enabled(w, W::kOpenFile));
    EXPECT_EQ(w.PathToOpen(), Photo("我的照片1.gif"));
    EXPECT_FALSE(w.Picture()->Model().IsReady());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Picture()->Model().IsPlaying(); }, 5000));
    EXPECT_EQ(w.Picture()->size(), QSize(64, 48));
    EXPECT_TRUE(Enabled(w, W::kOpenFile));
    Grab(w, "animation-window-gif");
    // Selecting a row switches to the listed file's own path.
    w.SelectRow(0);
    EXPECT_EQ(w.PathToOpen(), home.Sub("gifs/other.gif"));
    w.close();
    EXPECT_FALSE(w.Picture()->Model().IsPlaying());
}

TEST_F(AnimationWindowTest, LargeGifIsScaledIntoTheAreaAndClosingClearsIt) {
    // 640 x 480 with a red band along the bottom, which a cropped display never shows.
    home.WriteFile("2011拍照图片/big.gif", vx7::test::SolidFramesGif(640, 480, kPalette,
                                                                     {{QRect(0, 0, 640, 480), 2, 10, 1},
                                                                      {QRect(0, 440, 640, 40), 1, 10, 2}}));
    home.WriteFile("2011拍照图片/small.gif", TwoFrameGif());
    W w(Context());
    w.SetMode(W::kGif);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // A double click on a row opens its file.
    auto* list = static_cast<QTableWidget*>(w.Control(W::kFileList));
    emit list->cellDoubleClicked(RowOf(w, "big"), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Picture()->Model().IsPlaying(); }, 5000));
    EXPECT_EQ(w.Picture()->size(), QSize(480, 360));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return w.Picture()->grab().toImage().pixelColor(240, 350) == QColor(Qt::red); }, 5000));
    // Never enlarged.
    w.CloseFile();
    w.SelectRow(RowOf(w, "small"));
    w.OpenFile();
    EXPECT_EQ(w.Picture()->size(), QSize(64, 48));
    w.CloseFile();
    EXPECT_FALSE(w.Picture()->isVisible());
}

TEST_F(AnimationWindowTest, JustMadeNameWithoutAutomaticOpenWaitsForTheButton) {
    W w(Context(), LastMadeFile{"abc", LastMadeFile::kGif}, true); // 3 bytes: not used
    EXPECT_EQ(w.CurrentMode(), W::kAvi);
    EXPECT_FALSE(Enabled(w, W::kOpenFile));
    home.WriteFile("2011拍照图片/clip2.gif", TwoFrameGif());
    W v(Context(), LastMadeFile{"clip2.gif", LastMadeFile::kGif}, false);
    EXPECT_TRUE(Enabled(v, W::kOpenFile));
    QTest::mouseClick(static_cast<QWidget*>(v.Control(W::kOpenFile)), Qt::LeftButton);
    EXPECT_TRUE(v.Picture()->Model().IsPlaying());
}

TEST_F(AnimationWindowTest, SeventeenthPictureIsRefusedAndRowsShowTitles) {
    W w(Context());
    w.SetMode(W::kMakeGif);
    for (int i = 0; i < 17; ++i)
        files.files.push_back(
            vx7::test::WritePicture(home.Sub(QString("pics/pic%1.png").arg(i)), 30, 20, Qt::blue));
    QDir::setCurrent(QDir::tempPath());
    w.AddGifPicture();
    EXPECT_EQ(QDir::currentPath(), QDir(home.Path()).canonicalPath());
    EXPECT_TRUE(Enabled(w, W::kBuildGif));
    EXPECT_EQ(files.filters.at(0), QString("图形文件(*.bmp,*.jpg,*.png,*.gif)|*.bmp;*.jpg;*.png;*.gif"));
    EXPECT_EQ(files.initialNames.at(0), QString("*.bmp;*.jpg;*.png;*.gif"));
    for (int i = 1; i < 16; ++i)
        w.AddGifPicture();
    EXPECT_EQ(w.Pictures().Count(), 16);
    EXPECT_EQ(w.ShownPicture(), 15);
    w.AddGifPicture();
    EXPECT_EQ(w.Pictures().Count(), 16);
    EXPECT_EQ(files.filters.size(), 16); // the dialog is not even opened
    EXPECT_EQ(w.ListRowCount(), 16);
    EXPECT_EQ(w.RowText(15, 0), QString("16"));
    EXPECT_EQ(w.RowText(15, 1), QString("pic15"));
    w.SelectRow(2);
    EXPECT_EQ(w.ShownPicture(), 2);
    // Cancel adds nothing.
    files.files.clear();
    W v(Context());
    v.SetMode(W::kMakeGif);
    v.AddGifPicture();
    EXPECT_EQ(v.Pictures().Count(), 0);
    EXPECT_FALSE(Enabled(v, W::kBuildGif));
}

TEST_F(AnimationWindowTest, IntervalListFollowsTheWindowRule) {
    W w(Context());
    EXPECT_EQ(w.Making().DelayHundredths(), 160);
    w.SelectInterval("6");
    EXPECT_EQ(w.Making().DelayHundredths(), 600);
    w.SelectInterval("9");
    EXPECT_EQ(w.Making().DelayHundredths(), 600);
    w.SelectInterval("-------------------");
    EXPECT_EQ(w.Making().DelayHundredths(), 600);
    EXPECT_EQ(w.Making().Mode(), 0);
    w.SelectInterval("普通高反差");
    EXPECT_EQ(w.Making().Mode(), 1);
}

TEST_F(AnimationWindowTest, BuildAsksBeforeReplacingAndNoKeepsTheFile) {
    W w(Context());
    w.SetMode(W::kMakeGif);
    files.files = {vx7::test::WritePicture(home.Sub("pics/one.png"), 30, 20, Qt::blue),
                   vx7::test::WritePicture(home.Sub("pics/two.png"), 30, 20, Qt::red)};
    w.AddGifPicture();
    w.AddGifPicture();
    auto* name = static_cast<QLineEdit*>(w.Control(W::kName));

    name->setText("  ");
    w.BuildGif();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QString("请输入Gif文件名!"));

    const QString existing = home.WriteFile("2011拍照图片/动画.gif", "keep me");
    name->setText("动画");
    prompt.answers = {false};
    w.BuildGif();
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, QString("此< 动画 >GIF动画已存在!是否替换?"));
    EXPECT_EQ(prompt.shown[1].title, QString("特别提示"));
    EXPECT_TRUE(prompt.shown[1].question);
    EXPECT_FALSE(w.IsBuilding());
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
    f.close();

    QSignalSpy finished(&w, &W::BuildFinished);
    prompt.answers = {true};
    w.BuildGif();
    EXPECT_TRUE(w.IsBuilding());
    for (int id : {W::kAddPicture, W::kBuildGif, W::kGifFolder, W::kModeAvi})
        EXPECT_FALSE(Enabled(w, id)) << id;
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(w.IsBuilding());
    EXPECT_TRUE(Enabled(w, W::kBuildGif));
    EXPECT_EQ(w.BuildStatusText(), "GIF动画已建立: " + existing);
    // The shown result fits its field; the whole text is the tooltip.
    QLabel* status = nullptr;
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->toolTip() == w.BuildStatusText() || l->text() == w.BuildStatusText())
            status = l;
    ASSERT_NE(status, nullptr);
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
    // Mode 0: the pictures went through work BMPs to the converter.
    EXPECT_EQ(engine.Calls(),
              QStringList({"converter:" + home.Sub("tmpBmpData/one.bmp"),
                           "converter:" + home.Sub("tmpBmpData/two.bmp"), "palette-frames:2"}));
    EXPECT_EQ(engine.builtDelay, 160);
}

TEST_F(AnimationWindowTest, GifFolderChoiceIsStoredAndTitled) {
    W w(Context());
    w.SetMode(W::kMakeGif);
    files.folders = {QString(), home.Sub("gifs")};
    QDir().mkpath(home.Sub("gifs"));
    w.ChooseGifFolder();
    EXPECT_TRUE(sys.Text(vx7::core::SysInfo::kReadGifFolder).isEmpty());
    w.ChooseGifFolder();
    EXPECT_EQ(sys.Text(vx7::core::SysInfo::kReadGifFolder), home.Sub("gifs"));
    EXPECT_EQ(w.windowTitle(), "视频[动画]窗口< Gif目录:" + home.Sub("gifs") + " >");
    vx7::core::SysInfo reread;
    reread.SetFolder(home.Path());
    reread.Load();
    EXPECT_EQ(reread.Text(vx7::core::SysInfo::kReadGifFolder), home.Sub("gifs"));
}

TEST_F(AnimationWindowTest, ClosingTheWindowStopsEverything) {
    Avi("clip.avi");
    home.WriteFile("2011拍照图片/anim.gif", TwoFrameGif());
    auto* w = new W(Context());
    w->SelectRow(0);
    w->OpenFile();
    w->Play();
    w->SetMode(W::kGif);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->reject();
    EXPECT_EQ(w->Player(), nullptr);
    EXPECT_FALSE(w->Picture()->Model().IsPlaying());
    delete w;
}

TEST_F(AnimationWindowTest, WindowRendersAPlayingVideo) {
    Avi("clip.avi");
    W w(Context());
    w.SelectRow(0);
    w.OpenFile();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Play();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            w.Tick();
            return Text(w, W::kFrame).startsWith("< ") && !Text(w, W::kFrame).startsWith("< 0 >");
        },
        10000));
    const QImage shot = w.grab().toImage();
    // The centred video area shows a picture, not the black of an empty display.
    const QRect video = w.Control(W::kDisplay)->geometry();
    const QColor centre = shot.pixelColor(video.center());
    EXPECT_NE(centre, QColor(Qt::black)) << centre.name().toStdString();
    Grab(w, "animation-window-avi");
}

TEST_F(AnimationWindowTest, MakingModeDrawsTheChosenPictureAtTheAreaCorner) {
    W w(Context());
    w.SetMode(W::kMakeGif);
    files.files = {vx7::test::WritePicture(home.Sub("pics/small.png"), 100, 50, Qt::blue),
                   vx7::test::WritePicture(home.Sub("pics/large.png"), 960, 400, Qt::red)};
    w.AddGifPicture();
    const QRect area = w.DialogDisplayRect();
    QImage shot = w.grab().toImage();
    // Small: at its own size.
    EXPECT_EQ(shot.pixelColor(area.topLeft() + QPoint(90, 40)), QColor(Qt::blue));
    EXPECT_NE(shot.pixelColor(area.topLeft() + QPoint(110, 60)), QColor(Qt::blue));
    w.AddGifPicture();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    shot = w.grab().toImage();
    // Large: scaled by min(480 / 960, 360 / 400) = 0.5 to 480 x 200, proportions kept.
    EXPECT_EQ(shot.pixelColor(area.topLeft() + QPoint(470, 190)), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(area.topLeft() + QPoint(470, 210)), QColor(Qt::red));
    Grab(w, "animation-window-making");
    // Selecting the first row shows the first picture again.
    w.SelectRow(0);
    shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(area.topLeft() + QPoint(90, 40)), QColor(Qt::blue));
    EXPECT_NE(shot.pixelColor(area.topLeft() + QPoint(470, 190)), QColor(Qt::red));
}

TEST_F(AnimationWindowTest, MissingConverterIsToldAndNothingIsWritten) {
    engine.converterAvailable = false;
    W w(Context());
    w.SetMode(W::kMakeGif);
    files.files = {vx7::test::WritePicture(home.Sub("pics/one.png"), 30, 20, Qt::blue)};
    w.AddGifPicture();
    static_cast<QLineEdit*>(w.Control(W::kName))->setText("anim");
    QSignalSpy finished(&w, &W::BuildFinished);
    w.BuildGif();
    ASSERT_TRUE(finished.wait(10000));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QString("no converter"));
    EXPECT_EQ(w.BuildStatusText(), QString("no converter"));
    EXPECT_FALSE(QFile::exists(Photo("anim.gif")));
    EXPECT_TRUE(Enabled(w, W::kBuildGif));
}
