#pragma once

#include "core/InstallLayoutNames.h"

#include <QString>
#include <QStringList>

// The fixed names of an installation: its folders and files, the program folder on the
// install medium, the information folder in the system directory and the desktop's
// menu entries. The names come from core/InstallLayout.names, which the build also
// reads to lay out the medium, so the programs and the medium always agree.
namespace vx7::core::layout {

// Folders and files of the installed program folder.
inline QString SettingsFile() {
    return QStringLiteral(VX7_LAYOUT_SettingsFile);
}
inline QString WorkFolder() {
    return QStringLiteral(VX7_LAYOUT_WorkFolder);
}
inline QString PhotoFolder() {
    return QStringLiteral(VX7_LAYOUT_PhotoFolder);
}
inline QString SystemPictureFolder() {
    return QStringLiteral(VX7_LAYOUT_SystemPictureFolder);
}
inline QString BackgroundFolder() {
    return QStringLiteral(VX7_LAYOUT_BackgroundFolder);
}
inline QString MaterialStore() {
    return QStringLiteral(VX7_LAYOUT_MaterialStore);
}
// The shipped material categories: each a folder holding the three material
// sub-folders, with its package "<category>.dm3" in the material store.
inline QString WomenswearCategory() {
    return QStringLiteral(VX7_LAYOUT_WomenswearCategory);
}
inline QString AccessoriesCategory() {
    return QStringLiteral(VX7_LAYOUT_AccessoriesCategory);
}
inline QStringList ShippedCategories() {
    return {WomenswearCategory(), AccessoriesCategory()};
}
inline QString MaterialPictureFolder() {
    return QStringLiteral(VX7_LAYOUT_MaterialPictureFolder);
}
inline QString MaterialSoundFolder() {
    return QStringLiteral(VX7_LAYOUT_MaterialSoundFolder);
}
inline QString MaterialShowFolder() {
    return QStringLiteral(VX7_LAYOUT_MaterialShowFolder);
}
inline QStringList MaterialSubFolders() {
    return {MaterialPictureFolder(), MaterialSoundFolder(), MaterialShowFolder()};
}
// The record-list folders and their lists.
inline QString MatchingPictureFolder() {
    return QStringLiteral(VX7_LAYOUT_MatchingPictureFolder);
}
inline QString ClothingIconFolder() {
    return QStringLiteral(VX7_LAYOUT_ClothingIconFolder);
}
inline QString GeneralIconFolder() {
    return QStringLiteral(VX7_LAYOUT_GeneralIconFolder);
}
inline QString MatchingPictureList() {
    return QStringLiteral(VX7_LAYOUT_MatchingPictureList);
}
inline QString ClothingIconList() {
    return QStringLiteral(VX7_LAYOUT_ClothingIconList);
}
inline QString GeneralIconList() {
    return QStringLiteral(VX7_LAYOUT_GeneralIconList);
}
// The main program inside the program folder.
inline QString ProgramFile() {
    return QStringLiteral(VX7_LAYOUT_ProgramFile);
}

// The program folder, below the chosen top folder and on the install medium.
inline QString ProgramFolder() {
    return QStringLiteral(VX7_LAYOUT_ProgramFolder);
}
// The medium's sub-folder whose files go into the program folder itself.
inline QString ProgramSubFolder() {
    return QStringLiteral(VX7_LAYOUT_ProgramSubFolder);
}
// The information folder in the system directory.
inline QString InformationFolder() {
    return QStringLiteral(VX7_LAYOUT_InformationFolder);
}
// The uninstaller, on the medium (in the program folder there) and in the information folder.
inline QString Uninstaller() {
    return QStringLiteral(VX7_LAYOUT_Uninstaller);
}
// The converter library: its name on the medium and its name in the system directory.
inline QString ConverterOnMedium() {
    return QStringLiteral(VX7_LAYOUT_ConverterOnMedium);
}
inline QString ConverterInstalled() {
    return QStringLiteral(VX7_LAYOUT_ConverterInstalled);
}
// The install information files: in the program folder and in the information folder.
inline QString ProgramRecordFile() {
    return QStringLiteral(VX7_LAYOUT_ProgramRecordFile);
}
inline QString InformationRecordFile() {
    return QStringLiteral(VX7_LAYOUT_InformationRecordFile);
}
// The menu group (a folder of the applications folder) and the uninstall entry's name.
inline QString MenuGroup() {
    return QStringLiteral(VX7_LAYOUT_MenuGroup);
}
inline QString UninstallLinkName() {
    return QStringLiteral(VX7_LAYOUT_UninstallLinkName);
}
// The start window's picture, in the program folder of the medium.
inline QString StartPicture() {
    return QStringLiteral(VX7_LAYOUT_StartPicture);
}
// Suffix of the shortcut files.
inline QString ShortcutSuffix() {
    return QStringLiteral(VX7_LAYOUT_ShortcutSuffix);
}

} // namespace vx7::core::layout
