#pragma once

#include <QString>

// The fixed names of an installation: folders and files on the install medium, in the
// installed tree, in the system directory and in the desktop's menus.
namespace vx7::install::names {

// The program folder, below the chosen top folder and on the install medium.
inline QString ProgramFolder() {
    return QStringLiteral("摄像头拍照(动画)Snapo2011");
}
// The medium's sub-folder whose files go into the program folder itself.
inline QString ProgramSubFolder() {
    return QStringLiteral("vx7ECamProg");
}
// The main program inside the program folder.
inline QString ProgramFile() {
    return QStringLiteral("vx7Ecamera");
}
// The information folder in the system directory.
inline QString InformationFolder() {
    return QStringLiteral("vx7ECamera_Info");
}
// The uninstaller, on the medium (in the program folder there) and in the information folder.
inline QString Uninstaller() {
    return QStringLiteral("UnInstVx7Ecam");
}
// The converter library: its name on the medium and its name in the system directory.
inline QString ConverterOnMedium() {
    return QStringLiteral("Conver123ter.ccc");
}
inline QString ConverterInstalled() {
    return QStringLiteral("libImage66Conver123ter.so");
}
// The install information files: in the program folder and in the information folder.
inline QString ProgramRecordFile() {
    return QStringLiteral("vx7ECameraInstInfo.3re");
}
inline QString InformationRecordFile() {
    return QStringLiteral("VX7lothInfo.3fg");
}
// The list of files the installation put into the program folder, in the information folder.
inline QString InstalledFilesList() {
    return QStringLiteral("vx7ECamInstFiles.lst");
}
// The menu group (a folder of the applications folder) and the uninstall entry's name.
inline QString MenuGroup() {
    return QStringLiteral("摄像头拍照(动画)Snapo");
}
inline QString UninstallLinkName() {
    return QStringLiteral("卸载 摄像头拍照Snapo");
}
// The start window's picture, in the program folder of the medium.
inline QString StartPicture() {
    return QStringLiteral("vx7EcameraInstPic.jpg");
}
// Suffix of the shortcut files.
inline QString ShortcutSuffix() {
    return QStringLiteral(".desktop");
}

} // namespace vx7::install::names
