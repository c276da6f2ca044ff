#pragma once

// The complete sets of generated files: the resource bundle (compiled into the programs) and
// the files of the install medium, each with its path relative to the folder it is written to.

#include <QByteArray>
#include <QString>

#include <vector>

namespace vx7::assetgen {

struct AssetFile {
    QString path; // relative, "/"-separated
    QByteArray bytes;
};

// "bitmap/<n>.png", "icon/<n>.png", "cursor/<n>.png", "toolbar/154.png", "wave/<n>.wav".
std::vector<AssetFile> MakeResourceFiles();

// The Qt resource collection listing `files` under the root prefix, so "bitmap/129.png" becomes
// ":/bitmap/129.png".
QByteArray MakeQrc(const std::vector<AssetFile>& files);

// "ephoto_syspic/<button>_OK.png" and "_NO.png", "ephoto_syspic/imgEdit_*.png",
// "ephoto_syspic/CAMERAFAST.WAV", "ephoto_syspic/loop11.WAV", "vx7EcameraInstPic.jpg" and its
// highlight pictures "vx7EcameraInstPic_<n>.jpg".
std::vector<AssetFile> MakeMediumFiles();

// Writes every file below `folder`, creating sub-folders. Files of the same name are replaced;
// nothing else in the folder is touched. On failure `error` names the file.
bool WriteAssetFiles(const QString& folder, const std::vector<AssetFile>& files, QString* error);

} // namespace vx7::assetgen
