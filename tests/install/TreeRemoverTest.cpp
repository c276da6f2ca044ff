#include "install/model/TreeRemover.h"

#include "InstallSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using vx7::install::TreeRemover;
using vx7::test::InstallSandbox;

namespace {

struct TreeRemoverTest : ::testing::Test {
    InstallSandbox box;
    QString tree;
    QString outside;
    void SetUp() override {
        tree = box.Root() + "/tree";
        outside = box.Root() + "/outside";
        InstallSandbox::Write(tree + "/a.txt", "a");
        InstallSandbox::Write(tree + "/sub/b.txt", "b");
        InstallSandbox::Write(tree + "/sub/deeper/c.txt", "c");
        InstallSandbox::Write(outside + "/precious.txt", "precious");
    }
};

} // namespace

TEST_F(TreeRemoverTest, RemovesTheFolderWithEverythingBelowIt) {
    const auto result = TreeRemover::RemoveTree(tree);
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.filesRemoved, 3);
    EXPECT_EQ(result.foldersRemoved, 3);
    EXPECT_EQ(result.failures, 0);
    EXPECT_FALSE(QFileInfo::exists(tree));
}

TEST_F(TreeRemoverTest, ReadOnlyFilesAndFoldersAreRemovedToo) {
    QFile::setPermissions(tree + "/a.txt", QFile::ReadOwner);
    QFile::setPermissions(tree + "/sub/deeper/c.txt", QFile::ReadOwner);
    QFile::setPermissions(tree + "/sub/deeper", QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(tree + "/sub", QFileDevice::Permissions());
    const auto result = TreeRemover::RemoveTree(tree);
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.failures, 0);
    EXPECT_FALSE(QFileInfo::exists(tree));
}

TEST_F(TreeRemoverTest, LinksInsideTheTreeAreRemovedWithoutTouchingWhatTheyPointAt) {
    ASSERT_TRUE(QFile::link(outside, tree + "/sub/link-to-folder"));
    ASSERT_TRUE(QFile::link(outside + "/precious.txt", tree + "/link-to-file"));
    ASSERT_TRUE(QFile::link(box.Root() + "/nowhere", tree + "/dangling"));
    const auto result = TreeRemover::RemoveTree(tree);
    EXPECT_TRUE(result.removed);
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_EQ(InstallSandbox::Read(outside + "/precious.txt"), QByteArray("precious"));
    EXPECT_TRUE(QFileInfo(outside).isDir());
}

TEST_F(TreeRemoverTest, AFolderThatIsItselfALinkIsLeftAlone) {
    const QString link = box.Root() + "/linked-tree";
    ASSERT_TRUE(QFile::link(outside, link));
    const auto result = TreeRemover::RemoveTree(link);
    EXPECT_FALSE(result.removed);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(InstallSandbox::Read(outside + "/precious.txt"), QByteArray("precious"));
}

TEST_F(TreeRemoverTest, PathsThatNameNoFolderRemoveNothing) {
    EXPECT_FALSE(TreeRemover::RemoveTree("").removed);
    EXPECT_FALSE(TreeRemover::RemoveTree("/").removed);
    EXPECT_FALSE(TreeRemover::RemoveTree("relative/path").removed);
    EXPECT_FALSE(TreeRemover::RemoveTree(tree + "/a.txt").removed);
    EXPECT_FALSE(TreeRemover::RemoveTree(box.Root() + "/missing").removed);
    EXPECT_TRUE(QFileInfo(tree + "/a.txt").isFile());
}

TEST_F(TreeRemoverTest, RemoveIfEmptyKeepsAFolderThatStillHoldsSomething) {
    EXPECT_FALSE(TreeRemover::RemoveIfEmpty(tree));
    EXPECT_TRUE(QFileInfo(tree).isDir());
    QDir().mkpath(box.Root() + "/empty");
    EXPECT_TRUE(TreeRemover::RemoveIfEmpty(box.Root() + "/empty"));
    EXPECT_FALSE(QFileInfo::exists(box.Root() + "/empty"));
    const QString link = box.Root() + "/link-to-empty";
    QDir().mkpath(box.Root() + "/empty2");
    ASSERT_TRUE(QFile::link(box.Root() + "/empty2", link));
    EXPECT_FALSE(TreeRemover::RemoveIfEmpty(link));
    EXPECT_TRUE(QFileInfo(box.Root() + "/empty2").isDir());
}
