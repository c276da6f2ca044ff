#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vx7::test {

// Folder for the pictures of failed comparisons: $VX7_TEST_OUTPUT or the temp folder.
inline QString ImageFailureFolder() {
    const QByteArray env = qgetenv("VX7_TEST_OUTPUT");
    const QString dir = env.isEmpty() ? QDir::temp().filePath(QStringLiteral("vx7-imaging-failures"))
                                      : QString::fromLocal8Bit(env);
    QDir().mkpath(dir);
    return dir;
}

// Compares two pictures channel by channel; on a difference above tolerance
// writes <name>_actual.png and <name>_expected.png and reports the first
// differing pixel and the number of differing pixels.
inline ::testing::AssertionResult ImagesNear(const QImage& actualIn, const QImage& expectedIn, int tolerance,
                                             const QString& name) {
    const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
    const QImage expected = expectedIn.convertToFormat(QImage::Format_RGB32);
    auto fail = [&](const QString& why) {
        const QString dir = ImageFailureFolder();
        actual.save(dir + QLatin1Char('/') + name + QStringLiteral("_actual.png"));
        expected.save(dir + QLatin1Char('/') + name + QStringLiteral("_expected.png"));
        return ::testing::AssertionFailure()
               << why.toStdString() << " (pictures written to " << dir.toStdString() << ")";
    };
    if (actual.size() != expected.size())
        return fail(QStringLiteral("size %1x%2 differs from %3x%4")
                        .arg(actual.width())
                        .arg(actual.height())
                        .arg(expected.width())
                        .arg(expected.height()));
    int differing = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                    std::abs(qBlue(a) - qBlue(e))});
            if (d > tolerance) {
                if (differing++ == 0)
                    first = QStringLiteral("first at (%1, %2): actual %3, expected %4")
                                .arg(x)
                                .arg(y)
                                .arg(a & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                .arg(e & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            }
        }
    }
    if (differing > 0)
        return fail(QStringLiteral("%1 pixels differ; %2").arg(differing).arg(first));
    return ::testing::AssertionSuccess();
}

} // namespace vx7::test
