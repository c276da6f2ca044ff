#include "install/model/DriveTable.h"

#include "InstallSandbox.h"

#include <gtest/gtest.h>

using vx7::install::DriveTable;
using vx7::test::InstallSandbox;

TEST(DriveTableTest, HomeIsCAndTheListAddsLettersInEitherCase) {
    const DriveTable t = DriveTable::FromList("d=/mnt/disk1/, E=/media/usb ,bad,Q=relative,=x,", "/home/u/");
    EXPECT_EQ(t.RootOf(u'C'), std::optional<QString>("/home/u"));
    EXPECT_EQ(t.RootOf(u'd'), std::optional<QString>("/mnt/disk1"));
    EXPECT_EQ(t.RootOf(u'E'), std::optional<QString>("/media/usb"));
    EXPECT_FALSE(t.RootOf(u'Q'));
    EXPECT_FALSE(t.RootOf(u'F'));
    EXPECT_EQ(t.LetterOf("/mnt/disk1/"), std::optional<QChar>(u'D'));
    EXPECT_FALSE(t.LetterOf("/mnt"));
}

TEST(DriveTableTest, ListMayPutCElsewhere) {
    const DriveTable t = DriveTable::FromList("C=/srv/c", "/home/u");
    EXPECT_EQ(t.RootOf(u'C'), std::optional<QString>("/srv/c"));
    EXPECT_EQ(t.Drives().size(), 1);
}

TEST(DriveTableTest, EnvironmentTableComesFromHomeAndVx7Drives) {
    InstallSandbox box; // HOME and VX7_DRIVES point into the sandbox
    const DriveTable t = DriveTable::FromEnvironment();
    EXPECT_EQ(t.RootOf(u'C'), std::optional<QString>(box.Home()));
    EXPECT_EQ(t.RootOf(u'D'), std::optional<QString>(box.DriveD()));
    EXPECT_EQ(t.Drives().size(), 2) << "the listed drives replace the mounted volumes";
}

TEST(DriveTableTest, FreeSpaceIsKnownOnlyForExistingDrives) {
    InstallSandbox box;
    const DriveTable t({{u'C', box.Home()}, {u'D', box.Root() + "/gone"}});
    ASSERT_TRUE(t.FreeBytes(u'C'));
    EXPECT_GT(*t.FreeBytes(u'C'), 0u);
    EXPECT_FALSE(t.FreeBytes(u'D'));
    EXPECT_FALSE(t.FreeBytes(u'G'));
}
