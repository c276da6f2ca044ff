// Colour reduction in both modes with its working files, the converter library's
// loading, and cropping GIFs (also ones from other encoders) into palette frames.
#include "animation/reduction/ColourReduction.h"
#include "animation/gif/GifAnimationBuilder.h"
#include "animation/gif/GifImageEncoder.h"
#include "animation/gif/PaletteFrameFile.h"
#include "animation/reduction/GifMaker.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "animation/reduction/ReferencePicture.h"
#include "core/ImageFiles.h"

#include "GifTestFiles.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <utility>

using namespace vx7::animation;

using vx7::test::ReadAll;
using vx7::test::WriteAll;

namespace {

double MeanError(const QImage& picture, const PaletteFrameFile& frame) {
    double sum = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const QRgb a = picture.pixel(x, y);
            const size_t i = 3u * frame.pixels[static_cast<size_t>(y * frame.width + x)];
            sum += std::abs(qRed(a) - frame.palette[i]) + std::abs(qGreen(a) - frame.palette[i + 1]) +
                   std::abs(qBlue(a) - frame.palette[i + 2]);
        }
    return sum / (3.0 * frame.width * frame.height);
}

class ReductionTest : public testing::Test {
  protected:
    ReductionTest() : converter({QStringLiteral(VX7_CONVERTER_DIR)}, false) {
        RegisterGifEncoder(encoders);
        ReferencePicture::Write(home.Sub(QStringLiteral("ephoto_syspic/ProjRefBkgModel.GIF")));
    }
    QString Picture(const QString& relative, int w, int h, unsigned seed = 1) {
        const QString path = home.Sub(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(vx7::test::PhotoLikePicture(w, h, seed).save(path));
        return path;
    }
    QString Work(const QString& name) const { return home.Sub(QStringLiteral("tmpBmpData/") + name); }
    // The composite working file beside a frame's working GIF.
    static QString Composite(const QString& frame) {
        return frame.left(frame.size() - 4) + QStringLiteral("_Tmp.bmp");
    }
    // Folders of working files left in the work folder.
    QStringList BuildFolders() const {
        return QDir(Work(QString())).entryList({QStringLiteral("build-*")}, QDir::Dirs | QDir::Hidden);
    }
    // A flat picture of one colour.
    QString Flat(const QString& relative, int w, int h, QColor colour) {
        const QString path = home.Sub(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // The colour at (x, y) of each image of a GIF file, as a player composes it.
    static std::vector<QRgb> FrameColours(const QString& gif, int x, int y) {
        std::vector<QRgb> out;
        const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(gif));
        for (const auto& image : decoded.images)
            out.push_back(image.palette[image.indices[static_cast<size_t>(y * image.width + x)]]);
        return out;
    }

    // Reduces source in mode 0 twice, through the converter's file entry (composite
    // BMP, converter GIF, crop) and in memory; both must give the same frame file.
    // Returns the in-memory frame and the width of the file route's composite.
    std::pair<PaletteFrameFile, int> ReduceBothWays(const QString& source) {
        converter.SetFilesOnly(true);
        const ReductionResult files = reduction.ReduceByConverter({source});
        converter.SetFilesOnly(false);
        const ReductionResult memory = reduction.ReduceByConverter({source});
        EXPECT_FALSE(files.stopped || memory.stopped);
        const QByteArray bytes = ReadAll(memory.frames.value(0));
        EXPECT_FALSE(bytes.isEmpty());
        EXPECT_EQ(bytes, ReadAll(files.frames.value(0))) << "the same frame either way";
        PaletteFrameFile frame;
        EXPECT_TRUE(frame.Read(memory.frames.value(0)));
        return {frame, QImage(Composite(files.frames.value(0))).width()};
    }

    vx7::test::TempInstallFolder home;
    vx7::core::EncoderRegistry encoders;
    ImageConverterLibrary converter;
    vx7::test::ScriptedPrompt prompt;
    ColourReduction reduction{home.Path(), encoders, converter, prompt};
};

} // namespace

TEST(ReferencePictureTest, IsASingleImageGifOfFlatSwatches) {
    QTemporaryDir dir;
    ASSERT_TRUE(ReferencePicture::Write(dir.filePath("ref.GIF")));
    const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(dir.filePath("ref.GIF")));
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.images.size(), 1u);
    EXPECT_EQ(decoded.screenWidth, ReferencePicture::kColumns * ReferencePicture::kSwatch);
    std::set<QRgb> shown;
    for (std::uint8_t i : decoded.images[0].indices)
        shown.insert(decoded.images[0].palette[i]);
    for (QRgb c : ReferencePicture::Colours())
        EXPECT_TRUE(shown.count(c)) << std::hex << c;
    EXPECT_TRUE(shown.count(qRgb(255, 255, 255)));
    EXPECT_TRUE(shown.count(qRgb(0, 0, 0)));
}

TEST_F(ReductionTest, ConverterModeMakesCompositeAndCroppedFrameOfTheSourceSize) {
    const QString source = Picture(QStringLiteral("2011拍照图片/我的照片10.png"), 640, 480);
    const ReductionResult r = reduction.ReduceByConverter({source});
    ASSERT_FALSE(r.stopped);
    ASSERT_EQ(r.frames.size(), 1);
    EXPECT_TRUE(r.frames[0].startsWith(reduction.BuildFolder() + "/")) << r.frames[0].toStdString();
    EXPECT_TRUE(prompt.shown.empty());
    const auto [frame, compositeWidth] = ReduceBothWays(source);
    EXPECT_EQ(compositeWidth, 960);
    EXPECT_EQ(frame.width, 640);
    EXPECT_EQ(frame.height, 480);
    EXPECT_LT(MeanError(QImage(source), frame), 3.0);
    // The palette still holds every reference colour.
    std::set<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.insert(qRgb(frame.palette[static_cast<size_t>(3 * i)],
                            frame.palette[static_cast<size_t>(3 * i + 1)],
                            frame.palette[static_cast<size_t>(3 * i + 2)]));
    for (QRgb c : ReferencePicture::Colours())
        EXPECT_TRUE(palette.count(c)) << std::hex << c;
}

TEST_F(ReductionTest, OddWidthGivesCompositeOfWidthPlusHalfAndAFrameOfTheOddWidth) {
    const QString source = Picture(QStringLiteral("odd.bmp"), 641, 50);
    const auto [frame, compositeWidth] = ReduceBothWays(source);
    EXPECT_EQ(compositeWidth, 961);
    EXPECT_EQ(frame.width, 641);
    EXPECT_LT(MeanError(QImage(source), frame), 3.0);
}

TEST_F(ReductionTest, NarrowSourceCoversTheReferenceItIsDrawnOver) {
    const QString source = Picture(QStringLiteral("narrow.png"), 40, 120);
    const auto [frame, compositeWidth] = ReduceBothWays(source);
    EXPECT_EQ(compositeWidth, 60);
    EXPECT_EQ(frame.width, 40);
    EXPECT_LT(MeanError(QImage(source), frame), 3.0) << "the source, not the reference, shows in the frame";
}

TEST_F(ReductionTest, UnreadableSourceGivesNoFrameAndSaysWhy) {
    WriteAll(home.Sub(QStringLiteral("broken.png")), "not a picture");
    const QString broken = home.Sub(QStringLiteral("broken.png"));
    for (const ReductionResult& r :
         {reduction.ReduceByConverter({broken}), reduction.ReduceByImageEncoder({broken})}) {
        ASSERT_EQ(r.frames.size(), 1);
        EXPECT_FALSE(QFile::exists(r.frames[0]));
        EXPECT_EQ(r.problems.value(0), QStringLiteral("cannot be read as a picture"));
    }
}

TEST_F(ReductionTest, ImageEncoderModeWritesOneSingleImageGifPerSource) {
    const QString a = Picture(QStringLiteral("x0.bmp"), 80, 60, 1);
    const QString b = Picture(QStringLiteral("x1.bmp"), 80, 60, 2);
    const ReductionResult r = reduction.ReduceByImageEncoder({a, b});
    ASSERT_EQ(r.frames.size(), 2);
    EXPECT_NE(r.frames[0], r.frames[1]);
    const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(r.frames[1]));
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.images.size(), 1u);
    EXPECT_EQ(decoded.images[0].width, 80);
}

// Pictures whose names share the text before the first dot, or the same name in two
// folders, each give their own frame, in both modes.
TEST_F(ReductionTest, SourcesSharingAFileTitleKeepTheirOwnFrames) {
    const QStringList pictures = {Flat(QStringLiteral("holiday.1.png"), 32, 24, Qt::red),
                                  Flat(QStringLiteral("holiday.2.png"), 32, 24, Qt::green),
                                  Flat(QStringLiteral("holiday.3.png"), 32, 24, Qt::blue),
                                  Flat(QStringLiteral("pics/p0.png"), 32, 24, Qt::yellow),
                                  Flat(QStringLiteral("pics2/p0.png"), 32, 24, Qt::magenta)};
    const std::vector<QRgb> expected = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0),
                                        qRgb(255, 0, 255)};
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (int mode : {kModePopularColours, kModeHighContrast}) {
        const QString output = home.Sub(QStringLiteral("holiday%1.gif").arg(mode));
        const GifBuildResult r = maker.Make(pictures, mode, 100, output);
        ASSERT_TRUE(r.Ok()) << r.error.toStdString();
        EXPECT_EQ(r.framesWritten, 5);
        EXPECT_EQ(FrameColours(output, 16, 12), expected) << "mode " << mode;
    }
}

// A picture the user keeps in the work folder is a source like any other: it is
// neither removed nor overwritten by the build's working files.
TEST_F(ReductionTest, SourcesInTheWorkFolderAreNeverTouched) {
    const QString gif = Work(QStringLiteral("mine.gif"));
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(encoders.Save(red, QStringLiteral("GIF"), gif, 100));
    const QString bmp = Flat(QStringLiteral("tmpBmpData/mine.bmp"), 40, 30, Qt::blue);
    const QString tmp = Flat(QStringLiteral("tmpBmpData/mine_Tmp.bmp"), 40, 30, Qt::green);
    const QByteArray gifBytes = ReadAll(gif), bmpBytes = ReadAll(bmp), tmpBytes = ReadAll(tmp);
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (int mode : {kModePopularColours, kModeHighContrast})
        for (bool bmpFirst : {false, true}) {
            const QString output = home.Sub(QStringLiteral("mine%1%2.gif").arg(mode).arg(bmpFirst));
            const GifBuildResult r = maker.Make({gif, bmp, tmp}, mode, 100, output, bmpFirst);
            ASSERT_TRUE(r.Ok()) << r.error.toStdString();
            EXPECT_EQ(r.framesWritten, 3) << r.skipped.join('\n').toStdString();
            EXPECT_EQ(FrameColours(output, 20, 15),
                      (std::vector<QRgb>{qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)}));
        }
    EXPECT_EQ(ReadAll(gif), gifBytes);
    EXPECT_EQ(ReadAll(bmp), bmpBytes);
    EXPECT_EQ(ReadAll(tmp), tmpBytes);
    EXPECT_TRUE(BuildFolders().isEmpty()) << "working files go with their build";
}

// Frames of another size than the first would lie outside the logical screen: each
// is scaled to fit the first picture's size, keeping its aspect, centred on white.
TEST_F(ReductionTest, MixedSizesAreFittedToTheFirstPictureOnWhite) {
    const QStringList pictures = {Flat(QStringLiteral("a.png"), 64, 48, Qt::blue),
                                  Flat(QStringLiteral("b.png"), 128, 96, Qt::red),
                                  Flat(QStringLiteral("c.png"), 48, 48, Qt::green)};
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (int mode : {kModePopularColours, kModeHighContrast}) {
        const QString output = home.Sub(QStringLiteral("mixed%1.gif").arg(mode));
        const GifBuildResult r = maker.Make(pictures, mode, 100, output);
        ASSERT_TRUE(r.Ok()) << r.error.toStdString();
        EXPECT_EQ(r.fitted, 2);
        EXPECT_EQ(r.frameSize, QSize(64, 48));
        EXPECT_FALSE(GifMaker::FittedText(r).isEmpty());
        const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(output));
        ASSERT_TRUE(decoded.ok);
        ASSERT_EQ(decoded.images.size(), 3u);
        EXPECT_EQ(decoded.screenWidth, 64);
        for (const auto& image : decoded.images) {
            EXPECT_EQ(image.width, 64);
            EXPECT_EQ(image.height, 48);
        }
        // The square picture: 48 × 48 in the middle, white bars left and right.
        EXPECT_EQ(FrameColours(output, 32, 24)[2], qRgb(0, 255, 0));
        EXPECT_EQ(FrameColours(output, 2, 24)[2], qRgb(255, 255, 255));
        EXPECT_EQ(FrameColours(output, 61, 24)[2], qRgb(255, 255, 255));
        EXPECT_EQ(FrameColours(output, 2, 2)[1], qRgb(255, 0, 0)) << "same aspect fills the frame";
    }
}

TEST_F(ReductionTest, LeftOutLinesNameTheUsersPictureAndWhy) {
    const QString good = Flat(QStringLiteral("good.png"), 32, 24, Qt::red);
    const QString broken = home.WriteFile(QStringLiteral("broken.png"), "not a picture");
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (int mode : {kModePopularColours, kModeHighContrast}) {
        const GifBuildResult r = maker.Make({good, broken}, mode, 100, home.Sub(QStringLiteral("lo.gif")));
        ASSERT_TRUE(r.Ok());
        ASSERT_EQ(r.skipped.size(), 1);
        EXPECT_EQ(r.skipped[0], broken + QStringLiteral(": cannot be read as a picture"));
    }
}

TEST_F(ReductionTest, MissingConverterTellsTheUserAndStopsTheBuild) {
    QTemporaryDir empty;
    ImageConverterLibrary missing({empty.path()}, false);
    ColourReduction withoutConverter(home.Path(), encoders, missing, prompt);
    GifAnimationBuilder builder;
    GifMaker maker(withoutConverter, builder);
    const QString source = Picture(QStringLiteral("p.png"), 32, 32);
    const QString output = home.Sub(QStringLiteral("2011拍照图片/anim.gif"));
    const GifBuildResult r = maker.Make({source, source}, kModePopularColours, 100, output);
    EXPECT_FALSE(r.Ok());
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_TRUE(BuildFolders().isEmpty()) << "nothing is reduced";
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, ColourReduction::ConverterMissingText());
    EXPECT_FALSE(prompt.shown[0].question);
}

TEST_F(ReductionTest, LibraryWithoutTheExportCountsAsMissing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(VX7_FOREIGN_LIBRARY), dir.filePath("libImage66Conver123ter.so")));
    ImageConverterLibrary impostor({dir.path()}, false);
    QString error;
    EXPECT_EQ(impostor.Function(&error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("ConvertImage"))) << error.toStdString();
    ColourReduction withImpostor(home.Path(), encoders, impostor, prompt);
    EXPECT_TRUE(withImpostor.ReduceByConverter({Picture(QStringLiteral("q.png"), 8, 8)}).stopped);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(ReductionTest, ConverterIsLoadedOnceAndKept) {
    EXPECT_FALSE(converter.IsLoaded());
    const auto first = converter.Function();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(converter.IsLoaded());
    EXPECT_EQ(converter.Function(), first);
    EXPECT_TRUE(converter.LoadedFrom().contains(QStringLiteral("Image66Conver123ter")));
}

TEST_F(ReductionTest, MakingInBothModesGivesAGifOfAllFrames) {
    const QStringList pictures = {Picture(QStringLiteral("m0.png"), 120, 90, 1),
                                  Picture(QStringLiteral("m1.png"), 120, 90, 2),
                                  Picture(QStringLiteral("m2.png"), 100, 70, 3)};
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (int mode : {kModePopularColours, kModeHighContrast}) {
        for (bool bmpFirst : {false, true}) {
            const QString output = home.Sub(QStringLiteral("out%1%2.gif").arg(mode).arg(bmpFirst));
            const GifBuildResult r = maker.Make(pictures, mode, 150, output, bmpFirst);
            ASSERT_TRUE(r.Ok()) << r.error.toStdString();
            EXPECT_EQ(r.framesWritten, 3);
            const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(output));
            ASSERT_TRUE(decoded.ok);
            ASSERT_EQ(decoded.images.size(), 3u);
            EXPECT_EQ(decoded.screenWidth, 120);
            EXPECT_EQ(decoded.images[2].width, 120) << "fitted to the first picture";
            EXPECT_EQ(decoded.images[0].delay, 150);
        }
    }
    EXPECT_TRUE(BuildFolders().isEmpty());
}

// The in-memory route must give the GIF the file route gives, whatever the pictures
// hold: alpha (shown over white), grey, a palette, JPEG, 16 bits per channel, a
// picture fitted to the first one's size, a source narrower than the reference.
TEST_F(ReductionTest, InMemoryAndThroughFilesGiveTheSameGif) {
    QStringList pictures = {Picture(QStringLiteral("v/first.png"), 120, 90, 7)};
    QImage alpha = vx7::test::PhotoLikePicture(120, 90, 8).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 60; ++x)
            alpha.setPixel(x, y, (alpha.pixel(x, y) & 0xFFFFFF) | (static_cast<unsigned>(x * 4) << 24));
    const auto save = [&](const QImage& image, const QString& name, const char* format = nullptr) {
        const QString path = home.Sub(QStringLiteral("v/") + name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    };
    const QImage photo = vx7::test::PhotoLikePicture(120, 90, 9);
    pictures << save(alpha, QStringLiteral("alpha.png"))
             << save(photo.convertToFormat(QImage::Format_Grayscale8), QStringLiteral("grey.png"))
             << save(photo.convertToFormat(QImage::Format_Indexed8), QStringLiteral("indexed.png"))
             << save(photo, QStringLiteral("photo.jpg"), "JPEG")
             << save(photo.convertToFormat(QImage::Format_RGBX64), QStringLiteral("deep.png"))
             << Picture(QStringLiteral("v/larger.bmp"), 200, 100, 10);
    GifAnimationBuilder builder;
    GifMaker maker(reduction, builder);
    for (bool bmpFirst : {false, true}) {
        QByteArray gifs[2];
        for (bool filesOnly : {true, false}) {
            converter.SetFilesOnly(filesOnly);
            const QString output = home.Sub(QStringLiteral("route%1%2.gif").arg(bmpFirst).arg(filesOnly));
            const GifBuildResult r = maker.Make(pictures, kModePopularColours, 40, output, bmpFirst);
            ASSERT_TRUE(r.Ok()) << r.error.toStdString();
            EXPECT_EQ(r.framesWritten, pictures.size());
            EXPECT_EQ(r.fitted, 1);
            gifs[filesOnly ? 1 : 0] = ReadAll(output);
        }
        EXPECT_GT(gifs[0].size(), 7 * 768);
        EXPECT_EQ(gifs[0], gifs[1]) << "bmpFirst " << bmpFirst;
    }
    // A narrow source: the reference is wider than half of it and partly covered.
    const QString narrow = Picture(QStringLiteral("v/narrow.png"), 20, 30, 11);
    QByteArray narrowGifs[2];
    for (bool filesOnly : {true, false}) {
        converter.SetFilesOnly(filesOnly);
        const QString output = home.Sub(QStringLiteral("narrow%1.gif").arg(filesOnly));
        ASSERT_TRUE(maker.Make({narrow, narrow}, kModePopularColours, 40, output).Ok());
        narrowGifs[filesOnly ? 1 : 0] = ReadAll(output);
    }
    EXPECT_EQ(narrowGifs[0], narrowGifs[1]);
}

// Frames are reduced and coded on worker threads; the file must not depend on it.
TEST_F(ReductionTest, SixteenFramesOnWorkersGiveTheSameFileAsOneThread) {
    QStringList pictures;
    for (int i = 0; i < 16; ++i)
        pictures << Picture(QStringLiteral("burst/f%1.png").arg(i), 96, 72, 40 + static_cast<unsigned>(i));
    // Two sources of one title keep their own frames, however the work is spread.
    pictures[5] = Picture(QStringLiteral("other/f3.png"), 96, 72, 99);
    auto make = [&](int threads, int mode, const QString& name, bool filesOnly = false) {
        converter.SetFilesOnly(filesOnly);
        reduction.SetThreads(threads);
        GifAnimationBuilder builder;
        builder.SetThreads(threads);
        GifMaker maker(reduction, builder);
        const GifBuildResult r = maker.Make(pictures, mode, 50, home.Sub(name));
        EXPECT_TRUE(r.Ok()) << r.error.toStdString();
        EXPECT_EQ(r.framesWritten, 16);
        return ReadAll(home.Sub(name));
    };
    for (int mode : {kModePopularColours, kModeHighContrast}) {
        const QByteArray single = make(1, mode, QStringLiteral("one%1.gif").arg(mode));
        ASSERT_GT(single.size(), 16 * 768);
        EXPECT_EQ(make(4, mode, QStringLiteral("four%1.gif").arg(mode)), single) << "mode " << mode;
        EXPECT_EQ(make(2, mode, QStringLiteral("two%1.gif").arg(mode)), single) << "mode " << mode;
        // One frame after another through the converter's file entry: the file as
        // it was before the in-memory route.
        EXPECT_EQ(make(1, mode, QStringLiteral("files%1.gif").arg(mode), true), single) << "mode " << mode;
    }
    const auto decoded = vx7::test::DecodeWithGiflib(ReadAll(home.Sub(QStringLiteral("four0.gif"))));
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.images.size(), 16u);
    EXPECT_NE(decoded.images[3].indices, decoded.images[5].indices) << "a shared title keeps its own frame";
    EXPECT_NE(decoded.images[3].indices, decoded.images[4].indices);
}

TEST_F(ReductionTest, StoppedReductionEndsWithinOneSourcePerWorkerAndBuildsNothing) {
    QStringList pictures;
    for (int i = 0; i < 12; ++i)
        pictures << Picture(QStringLiteral("s%1.png").arg(i), 64, 48, static_cast<unsigned>(i));
    for (int threads : {1, 3}) {
        reduction.SetThreads(threads);
        std::atomic<bool> stop{false};
        std::atomic<int> finished{0};
        const ReductionResult r = reduction.ReduceByConverter(pictures, &stop, [&](int done) {
            finished = done;
            stop = true; // as a cancel button pressed while the first frame is finishing
        });
        EXPECT_TRUE(r.stopped);
        EXPECT_GE(finished.load(), 1);
        EXPECT_LE(finished.load(), threads) << "each worker finishes only the frame it holds";
        int made = 0;
        for (const QString& frame : r.frames)
            made += QFile::exists(frame) ? 1 : 0;
        EXPECT_LE(made, threads);
    }
    // The writer stopped before its first frame writes no file at all.
    GifAnimationBuilder builder;
    builder.SetThreads(2);
    std::atomic<bool> stop{true};
    const QString output = home.Sub(QStringLiteral("stopped.gif"));
    const GifBuildResult r =
        builder.BuildFromPaletteFrames({Work(QStringLiteral("s0.gif"))}, output, 10, &stop);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.framesWritten, 0);
    EXPECT_FALSE(QFile::exists(output));
}

// Cropping GIFs of other encoders: the image's own code size and table size count.
class CropTest : public testing::Test {
  protected:
    QString Write(const QString& name, const QByteArray& gif) {
        const QString path = dir.filePath(name);
        WriteAll(path, gif);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(CropTest, SmallCodeSizeAndLocalTableOfItsOwnSize) {
    vx7::test::GiflibFrame f;
    f.width = 30;
    f.height = 20;
    f.indices = vx7::test::NoiseIndices(600, 7, 16);
    for (int i = 0; i < 16; ++i)
        f.localPalette.push_back(qRgb(i * 16, 255 - i * 16, i));
    // The screen's table has 2 entries: its size must not be used for the image.
    const QString path =
        Write("small.gif", vx7::test::WriteGifWithGiflib(30, 20, {qRgb(1, 1, 1), qRgb(2, 2, 2)}, 0, {f}));
    ASSERT_TRUE(ColourReduction::CropToPaletteFrame(path, 10));
    PaletteFrameFile frame;
    ASSERT_TRUE(frame.Read(path));
    EXPECT_EQ(frame.width, 20);
    EXPECT_EQ(frame.height, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(frame.pixels[static_cast<size_t>(y * 20 + x)],
                      f.indices[static_cast<size_t>(y * 30 + x + 10)]);
    EXPECT_EQ(frame.palette[3 * 5], 80);
    EXPECT_EQ(frame.palette[3 * 5 + 1], 175);
}

TEST_F(CropTest, InterlacedRowsAndTheLastImageAreKept) {
    vx7::test::GiflibFrame a, b;
    a.width = b.width = 9;
    a.height = b.height = 13;
    a.indices = vx7::test::NoiseIndices(9 * 13, 1);
    b.indices = vx7::test::NoiseIndices(9 * 13, 2);
    b.interlaced = true;
    b.delay = 10;
    const QString path =
        Write("two.gif", vx7::test::WriteGifWithGiflib(9, 13, vx7::test::GreyPalette(), 0, {a, b}));
    const QString out = dir.filePath("out.frm");
    ASSERT_TRUE(ColourReduction::CropToPaletteFrame(path, 0, out));
    PaletteFrameFile frame;
    ASSERT_TRUE(frame.Read(out));
    EXPECT_TRUE(std::equal(b.indices.begin(), b.indices.end(), frame.pixels.begin()));
    EXPECT_TRUE(ReadAll(path).startsWith("GIF")) << "with an output path the source stays";
}

TEST_F(CropTest, FailuresLeaveTheFileAsItWas) {
    vx7::test::GiflibFrame f;
    f.width = 8;
    f.height = 8;
    f.indices = vx7::test::NoiseIndices(64, 3);
    const QByteArray gif = vx7::test::WriteGifWithGiflib(8, 8, vx7::test::GreyPalette(), 0, {f});
    const QString whole = Write("whole.gif", gif);
    EXPECT_FALSE(ColourReduction::CropToPaletteFrame(whole, 8)) << "offset leaves no column";
    EXPECT_EQ(ReadAll(whole), gif);
    const QString cut = Write("cut.gif", gif.left(gif.size() - 6));
    EXPECT_FALSE(ColourReduction::CropToPaletteFrame(cut, 0));
    EXPECT_EQ(ReadAll(cut), gif.left(gif.size() - 6));
    EXPECT_FALSE(ColourReduction::CropToPaletteFrame(dir.filePath("missing.gif"), 0));
    const QString text = Write("text.gif", "plain text");
    EXPECT_FALSE(ColourReduction::CropToPaletteFrame(text, 0));
}
