// The generated files of the install medium: written into a temporary folder exactly as the
// build writes them, then read back as the programs read them.
#include "WaveInfo.h"

#include "resources/InstallerPictures.h"
#include "resources/SystemPictures.h"
#include "tools/assetgen/AssetSet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using namespace vx7::resources;

class MediumFilesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        QString error;
        ASSERT_TRUE(vx7::assetgen::WriteAssetFiles(folder_->path(), vx7::assetgen::MakeMediumFiles(), &error))
            << error.toStdString();
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static QString Path(const QString& relative) { return QDir(folder_->path()).filePath(relative); }
    static QImage Picture(const QString& relative) { return QImage(Path(relative)); }
    static QImage SysPicture(const QString& name) { return Picture(QStringLiteral("ephoto_syspic/") + name); }
    static QByteArray Bytes(const QString& relative) {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static std::unique_ptr<QTemporaryDir> folder_;
};

std::unique_ptr<QTemporaryDir> MediumFilesTest::folder_;

double MeanDifference(const QImage& a, const QImage& b, const QRect& area) {
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    return count ? sum / count : 0.0;
}

// Mean difference over the outermost ring of pixels of `area`.
double RingDifference(const QImage& a, const QImage& b, const QRect& area) {
    return (MeanDifference(a, b, QRect(area.left(), area.top(), area.width(), 1)) +
            MeanDifference(a, b, QRect(area.left(), area.bottom(), area.width(), 1)) +
            MeanDifference(a, b, QRect(area.left(), area.top(), 1, area.height())) +
            MeanDifference(a, b, QRect(area.right(), area.top(), 1, area.height()))) /
           4;
}

// Mean difference between `lit` and `plain` over the pixels that are white in `plain`: the
// caption and pictogram, drawn white in both pictures.
double CaptionDifference(const QImage& lit, const QImage& plain) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb p = plain.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 235)
                continue;
            const QRgb q = lit.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    return count ? sum / count : 1000.0;
}

TEST_F(MediumFilesTest, EveryStationButtonHasTwoPicturesOfItsSize) {
    for (const SystemPicture& b : kStationButtons) {
        const QString name = QString::fromLatin1(b.name);
        const QImage lit = SysPicture(name + QStringLiteral("_OK.png"));
        const QImage plain = SysPicture(name + QStringLiteral("_NO.png"));
        ASSERT_FALSE(lit.isNull()) << b.name;
        ASSERT_FALSE(plain.isNull()) << b.name;
        EXPECT_EQ(lit.size(), QSize(b.width, b.height)) << b.name;
        EXPECT_EQ(plain.size(), lit.size()) << b.name;
        EXPECT_GT(MeanDifference(lit.convertToFormat(QImage::Format_ARGB32),
                                 plain.convertToFormat(QImage::Format_ARGB32), lit.rect()),
                  20.0)
            << b.name << ": lit and plain pictures must be told apart at a glance";
    }
}

TEST_F(MediumFilesTest, EveryEditorButtonExistsAtItsSize) {
    for (const SystemPicture& b : kEditorButtons) {
        const QImage image = SysPicture(QString::fromLatin1(b.name) + QStringLiteral(".png"));
        ASSERT_FALSE(image.isNull()) << b.name;
        EXPECT_EQ(image.size(), QSize(b.width, b.height)) << b.name;
    }
    const QImage off =
        SysPicture(QStringLiteral("imgEdit_ImageClothHair.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage on =
        SysPicture(QStringLiteral("imgEdit_ImageCloHairYes.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(MeanDifference(off, on, off.rect()), 20.0) << "the switch's two states look alike";
}

TEST_F(MediumFilesTest, ShutterSoundIsAShortPlayableClick) {
    const auto wave = vx7::testing::ReadWave(Bytes(QStringLiteral("ephoto_syspic/") + kShutterSound));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format, 1);
    EXPECT_GE(wave->Seconds(), 0.1);
    EXPECT_LE(wave->Seconds(), 1.0);
    EXPECT_GT(wave->Peak(), 8000);
    EXPECT_LT(std::abs(int(wave->samples.back())), 500);
}

TEST_F(MediumFilesTest, MusicLoopRepeatsWithoutASeam) {
    const auto wave = vx7::testing::ReadWave(Bytes(QStringLiteral("ephoto_syspic/") + kDefaultMusic));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format, 1);
    EXPECT_GE(wave->Seconds(), 3.0);
    EXPECT_LE(wave->Seconds(), 15.0);
    EXPECT_GT(wave->Peak(), 8000);
    EXPECT_LT(wave->Peak(), 32767);
    // Played in a loop, the last sample runs into the first: the step between them is no larger
    // than the steps inside the music, and both ends are about as loud (no fade in or out).
    const auto& s = wave->samples;
    int largestStep = 0;
    for (size_t i = 1; i < s.size(); ++i)
        largestStep = std::max(largestStep, std::abs(int(s[i]) - int(s[i - 1])));
    EXPECT_LE(std::abs(int(s.front()) - int(s.back())), largestStep);
    const auto rms = [&](size_t from, size_t count) {
        double sum = 0;
        for (size_t i = from; i < from + count; ++i)
            sum += double(s[i]) * s[i];
        return std::sqrt(sum / count);
    };
    const size_t half = size_t(wave->sampleRate) / 2;
    const double head = rms(0, half);
    const double tail = rms(s.size() - half, half);
    EXPECT_GT(head, tail * 0.4);
    EXPECT_GT(tail, head * 0.4);
}

TEST_F(MediumFilesTest, StartPictureHoldsEveryRegion) {
    const QImage start = Picture(QString::fromLatin1(kStartPictureName));
    ASSERT_FALSE(start.isNull());
    EXPECT_EQ(start.size(), QSize(kStartPictureWidth, kStartPictureHeight));
    for (const InstallerRegion& r : kInstallerRegions)
        EXPECT_TRUE(start.rect().contains(
            QRect(r.HighlightX(), r.HighlightY(), r.HighlightWidth(), r.HighlightHeight())))
            << "region " << r.number;
}

TEST_F(MediumFilesTest, HighlightPicturesLineUpWithTheirRegions) {
    const QImage start =
        Picture(QString::fromLatin1(kStartPictureName)).convertToFormat(QImage::Format_RGB32);
    for (const InstallerRegion& r : kInstallerRegions) {
        const QImage lit = Picture(HighlightPictureName(r.number)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(lit.isNull()) << "region " << r.number;
        ASSERT_EQ(lit.size(), QSize(r.HighlightWidth(), r.HighlightHeight())) << "region " << r.number;
        const QImage under =
            start.copy(r.HighlightX(), r.HighlightY(), r.HighlightWidth(), r.HighlightHeight());
        // The edge of a highlight picture continues the background around it ...
        EXPECT_LT(RingDifference(lit, under, lit.rect()), 6.0) << "region " << r.number;
        // ... and its caption and pictogram cover the very pixels they cover in the plain picture,
        // which they would not if the picture were drawn even two pixels off.
        const double aligned = CaptionDifference(lit, under);
        const QImage shifted =
            start.copy(r.HighlightX() + 2, r.HighlightY() + 1, r.HighlightWidth(), r.HighlightHeight());
        EXPECT_LT(aligned, 25.0) << "region " << r.number;
        EXPECT_GT(CaptionDifference(lit, shifted), aligned + 30.0) << "region " << r.number;
        // ... and its inside is visibly lit.
        EXPECT_GT(MeanDifference(lit, under, lit.rect().adjusted(8, 8, -8, -8)), 30.0)
            << "region " << r.number;
    }
}

TEST(InstallerRegionTest, BoundsAreExcluded) {
    const InstallerRegion& install = kInstallerRegions[0];
    EXPECT_FALSE(install.Contains(53, 150));
    EXPECT_TRUE(install.Contains(54, 150));
    EXPECT_TRUE(install.Contains(215, 181));
    EXPECT_FALSE(install.Contains(216, 150));
    EXPECT_FALSE(install.Contains(100, 134));
    EXPECT_FALSE(install.Contains(100, 182));
    const auto area = [](const InstallerRegion& r) {
        return QRect(r.HighlightX(), r.HighlightY(), r.HighlightWidth(), r.HighlightHeight());
    };
    for (const InstallerRegion& a : kInstallerRegions) {
        for (const InstallerRegion& b : kInstallerRegions) {
            if (a.number != b.number) {
                EXPECT_FALSE(area(a).intersects(area(b))) << a.number << " overlaps " << b.number;
            }
        }
    }
}

TEST(WriteAssetFilesTest, ReplacesItsOwnFilesAndLeavesOthersAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("ephoto_syspic"));
    QFile other(dir.filePath(QStringLiteral("ephoto_syspic/vx7ECam化装盒_COLOR1.png")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("kept");
    other.close();
    QFile stale(dir.filePath(QStringLiteral("ephoto_syspic/a.png")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an older and longer content");
    stale.close();

    QString error;
    ASSERT_TRUE(vx7::assetgen::WriteAssetFiles(dir.path(),
                                               {{QStringLiteral("ephoto_syspic/a.png"), QByteArray("new")},
                                                {QStringLiteral("deep/er/b.wav"), QByteArray("b")}},
                                               &error))
        << error.toStdString();
    QFile a(dir.filePath(QStringLiteral("ephoto_syspic/a.png")));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), QByteArray("new"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("deep/er/b.wav"))));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("kept"));
}

TEST(WriteAssetFilesTest, ReportsAFileThatCannotBeWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file stands where the folder should be.
    QFile blocker(dir.filePath(QStringLiteral("ephoto_syspic")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(
        vx7::assetgen::WriteAssetFiles(dir.path(), {{QStringLiteral("ephoto_syspic/a.png"), "x"}}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("a.png"))) << error.toStdString();
    // Nothing to write is refused too, rather than leaving an empty file behind.
    error.clear();
    EXPECT_FALSE(
        vx7::assetgen::WriteAssetFiles(dir.path(), {{QStringLiteral("b.png"), QByteArray()}}, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.png"))));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
