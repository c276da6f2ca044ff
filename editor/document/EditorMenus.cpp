#include "editor/document/EditorMenus.h"

#include <QStringList>

namespace vx7::editor {

namespace {

using C = EditorCommand;

MenuEntry E(C command, const char* text) {
    return MenuEntry{command, QString::fromUtf8(text)};
}
MenuEntry Separator() {
    return MenuEntry{};
}

void AddMagnifierMoves(MenuEntries& menu) {
    menu.push_back(E(C::MagnifierLeft, "左移放大窗口"));
    menu.push_back(Separator());
    menu.push_back(E(C::MagnifierRight, "右移放大窗口"));
    menu.push_back(Separator());
    menu.push_back(E(C::MagnifierUp, "上移放大窗口"));
    menu.push_back(Separator());
    menu.push_back(E(C::MagnifierDown, "下移放大窗口"));
}

} // namespace

MenuEntries ButtonMenu(EditorCommand button, const MenuConditions& c) {
    MenuEntries m;
    switch (button) {
    case C::BackgroundMenu:
        m = {E(C::SetBackgroundColour, "设置背景色"), Separator(), E(C::LoadBackground, "选择装入背景图"),
             Separator()};
        if (c.backgroundPictureOption && c.backgroundCaptured) {
            m.insert(m.end(), {E(C::PlaceBackground, "移动缩放旋转背景图"), Separator(),
                               E(C::BrightenBackground, "背景图增亮"), Separator(),
                               E(C::DarkenBackground, "背景图减淡"), Separator(),
                               E(C::SharpenBackground, "背景图锐化"), Separator()});
        }
        m.push_back(E(C::ReloadBackground, "重新装入背景图"));
        break;
    case C::ClearBackgroundMenu:
        if (!c.materialView)
            m = {E(C::ChooseMagnifiedArea, "设置放大图区"), Separator()};
        m.insert(m.end(),
                 {E(C::Eraser, "用橡皮擦去背景"), Separator(), E(C::RemoveBackground, "选择扣除背景"),
                  Separator(), E(C::KeepShape, "选择保留的图形"), Separator(), E(C::MagicWand, "魔棒"),
                  Separator(), E(C::DragPhoto, "拖移编辑的照片"), Separator(),
                  E(C::PlaceOriginalPhoto, "拖移缩放原始照片"), Separator(),
                  E(C::ReloadOriginalPhoto, "重新装入原始照片")});
        if (c.newPhoto) {
            m.insert(m.end(), {Separator(), E(C::LoadNewPhoto, "选择装入新照片"), Separator(),
                               E(C::ChooseValidArea, "设置照片有效区")});
        }
        break;
    case C::BeautyMenu:
        m = {E(C::BrightenPhoto, "整个照片增亮"),
             Separator(),
             E(C::DarkenPhoto, "整个照片减淡"),
             Separator(),
             E(C::LocalBrighten, "照片局部增亮(美白)"),
             Separator(),
             E(C::LocalDarken, "照片局部减淡"),
             Separator(),
             E(C::MakeupBox, "化装盒"),
             Separator(),
             E(C::Spotlight, "设置聚光区")};
        break;
    case C::StickerMenu:
        m = {E(C::StickerPlain, "普通形式"),
             Separator(),
             E(C::StickerFeather, "羽化形式"),
             Separator(),
             E(C::StickerBright, "亮边形式"),
             Separator(),
             E(C::SetEdgeColour, "设置亮边颜色"),
             Separator(),
             E(C::PlaceOriginalPhoto, "拖移缩放原始照片"),
             Separator(),
             E(C::ReloadOriginalPhoto, "重新装入原始照片")};
        break;
    default:
        break;
    }
    return m;
}

MenuEntries PanelMenu(imaging::ToolMode tool) {
    using imaging::ToolMode;
    MenuEntries m;
    switch (tool) {
    case ToolMode::None:
        m = {E(C::Continue, "继续操作,..."), Separator(), E(C::Continue, "继续操作,..."), Separator(),
             E(C::Eraser, "用橡皮擦去背景"), Separator(), E(C::MakeupBox, "化装盒"),      Separator(),
             E(C::MagicWand, "魔棒"),        Separator()};
        break;
    case ToolMode::Eraser:
        m = {E(C::EndTool, "终止橡皮擦图操作"), Separator(), E(C::Continue, "继续操作,..."), Separator()};
        break;
    case ToolMode::MagicWand:
        m = {E(C::EndTool, "终止魔棒操作"), Separator(), E(C::Continue, "继续操作,..."), Separator()};
        break;
    case ToolMode::MakeupBrush:
        m = {E(C::EndTool, "终止化装操作"), Separator(), E(C::Continue, "继续操作,..."), Separator()};
        break;
    default:
        return m;
    }
    AddMagnifierMoves(m);
    return m;
}

QStringList MenuTexts(const MenuEntries& entries) {
    QStringList texts;
    for (const auto& e : entries)
        texts << (e.IsSeparator() ? QStringLiteral("|") : e.text);
    return texts;
}

} // namespace vx7::editor
