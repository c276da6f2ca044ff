#include "camera/photo/PhotoNames.h"

#include <gtest/gtest.h>

using namespace vx7::camera;

namespace {

struct NameCase {
    int index;
    const char* format;
    const char* grab;
    const char* final;
    bool isBmp;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.index << " " << c.format;
}

class PhotoNamesTest : public ::testing::TestWithParam<NameCase> {};

} // namespace

TEST_P(PhotoNamesTest, FormsGrabAndFinalPaths) {
    const NameCase c = GetParam();
    const auto names = MakePhotoNames(c.index, "我的照片1", c.format, "/p", "/t");
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->grabPath, QString::fromUtf8(c.grab));
    EXPECT_EQ(names->finalPath, QString::fromUtf8(c.final));
    EXPECT_EQ(names->isBmp, c.isBmp);
}

INSTANTIATE_TEST_SUITE_P(
    AllFourCases, PhotoNamesTest,
    ::testing::Values(NameCase{-1, "BMP", "/p/我的照片1.bmp", "/p/我的照片1.bmp", true},
                      NameCase{-1, "JPG", "/t/我的照片1.bmp", "/p/我的照片1.JPG", false},
                      NameCase{0, "BMP", "/p/我的照片10.bmp", "/p/我的照片10.bmp", true},
                      NameCase{2, "PNG", "/t/我的照片12.bmp", "/p/我的照片12.PNG", false},
                      NameCase{-1, "bmp", "/t/我的照片1.bmp", "/p/我的照片1.bmp", false}));

TEST(PhotoNamesTest, NamesLeadingOutOfThePhotoFolderAreRefused) {
    for (const char* bad : {"../x", "a/b", "a\\b", "..", ""}) {
        QString error;
        EXPECT_FALSE(MakePhotoNames(-1, QString::fromUtf8(bad), "BMP", "/p", "/t", &error).has_value())
            << bad;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(MakePhotoNames(-1, "a.b", "BMP", "/p", "/t").has_value());
}
