#include "editor/document/EditorMenus.h"

#include <gtest/gtest.h>

using namespace vx7::editor;
using vx7::imaging::ToolMode;

namespace {

QStringList Entries(EditorCommand button, MenuConditions c) {
    QStringList texts = MenuTexts(ButtonMenu(button, c));
    texts.removeAll(QStringLiteral("|"));
    return texts;
}

} // namespace

TEST(EditorMenusTest, BackgroundMenuOffersPictureWorkOnlyForACapturedPictureInPictureMode) {
    const QStringList plain{QStringLiteral("设置背景色"), QStringLiteral("选择装入背景图"),
                            QStringLiteral("重新装入背景图")};
    EXPECT_EQ(Entries(EditorCommand::BackgroundMenu, {false, false, false, false}), plain);
    EXPECT_EQ(Entries(EditorCommand::BackgroundMenu, {true, false, false, false}), plain);
    EXPECT_EQ(Entries(EditorCommand::BackgroundMenu, {false, true, false, false}), plain);
    const QStringList full{QStringLiteral("设置背景色"),         QStringLiteral("选择装入背景图"),
                           QStringLiteral("移动缩放旋转背景图"), QStringLiteral("背景图增亮"),
                           QStringLiteral("背景图减淡"),         QStringLiteral("背景图锐化"),
                           QStringLiteral("重新装入背景图")};
    EXPECT_EQ(Entries(EditorCommand::BackgroundMenu, {true, true, false, false}), full);
}

TEST(EditorMenusTest, ClearBackgroundMenuDependsOnMaterialViewAndTheNewPhoto) {
    const QStringList magnifier = Entries(EditorCommand::ClearBackgroundMenu, {false, false, false, false});
    EXPECT_EQ(magnifier.first(), QStringLiteral("设置放大图区"));
    EXPECT_EQ(magnifier.last(), QStringLiteral("重新装入原始照片"));
    EXPECT_FALSE(magnifier.contains(QStringLiteral("选择装入新照片")));

    const QStringList materialView = Entries(EditorCommand::ClearBackgroundMenu, {false, false, true, false});
    EXPECT_EQ(materialView.first(), QStringLiteral("用橡皮擦去背景"));
    EXPECT_EQ(materialView.size(), magnifier.size() - 1);

    const QStringList newPhoto = Entries(EditorCommand::ClearBackgroundMenu, {false, false, false, true});
    EXPECT_EQ(newPhoto.mid(newPhoto.size() - 2),
              (QStringList{QStringLiteral("选择装入新照片"), QStringLiteral("设置照片有效区")}));
    // Separators stand between entries, never at either end.
    const QStringList withSeparators =
        MenuTexts(ButtonMenu(EditorCommand::ClearBackgroundMenu, {false, false, false, true}));
    EXPECT_NE(withSeparators.first(), QStringLiteral("|"));
    EXPECT_NE(withSeparators.last(), QStringLiteral("|"));
}

TEST(EditorMenusTest, StickerAndBeautyMenusCarryTheirCommands) {
    const MenuEntries sticker = ButtonMenu(EditorCommand::StickerMenu, {});
    std::vector<EditorCommand> commands;
    for (const auto& e : sticker)
        if (!e.IsSeparator())
            commands.push_back(e.command);
    EXPECT_EQ(commands, (std::vector<EditorCommand>{
                            EditorCommand::StickerPlain, EditorCommand::StickerFeather,
                            EditorCommand::StickerBright, EditorCommand::SetEdgeColour,
                            EditorCommand::PlaceOriginalPhoto, EditorCommand::ReloadOriginalPhoto}));
    EXPECT_EQ(Entries(EditorCommand::BeautyMenu, {}).last(), QStringLiteral("设置聚光区"));
    EXPECT_TRUE(ButtonMenu(EditorCommand::DrawArrow, {}).empty());
}

TEST(EditorMenusTest, PanelMenuFollowsTheTool) {
    const QStringList moves{QStringLiteral("左移放大窗口"), QStringLiteral("右移放大窗口"),
                            QStringLiteral("上移放大窗口"), QStringLiteral("下移放大窗口")};
    auto texts = [](ToolMode tool) {
        QStringList t = MenuTexts(PanelMenu(tool));
        t.removeAll(QStringLiteral("|"));
        return t;
    };
    EXPECT_EQ(
        texts(ToolMode::None),
        (QStringList{QStringLiteral("继续操作,..."), QStringLiteral("继续操作,..."),
                     QStringLiteral("用橡皮擦去背景"), QStringLiteral("化装盒"), QStringLiteral("魔棒")} +
         moves));
    EXPECT_EQ(texts(ToolMode::Eraser),
              (QStringList{QStringLiteral("终止橡皮擦图操作"), QStringLiteral("继续操作,...")} + moves));
    EXPECT_EQ(texts(ToolMode::MagicWand),
              (QStringList{QStringLiteral("终止魔棒操作"), QStringLiteral("继续操作,...")} + moves));
    EXPECT_EQ(texts(ToolMode::MakeupBrush),
              (QStringList{QStringLiteral("终止化装操作"), QStringLiteral("继续操作,...")} + moves));
    EXPECT_TRUE(PanelMenu(ToolMode::Freehand).empty());
    EXPECT_TRUE(PanelMenu(ToolMode::StickerSelection).empty());
}
