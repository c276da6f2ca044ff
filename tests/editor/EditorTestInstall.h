#pragma once

#include "core/SysInfo.h"
#include "materials/MaterialPackage.h"
#include "materials/MaterialPackageWriter.h"
#include "support/TempInstallFolder.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>

namespace vx7::test {

// A throw-away installation with one material package "测试包" of generated
// PNG pictures and a generated photo: a grey background with a figure.
class EditorTestInstall {
  public:
    static QString Category() { return QStringLiteral("测试包"); }

    // count items of group A (plus a title record first), each a solid
    // half-transparent-edged picture of 200 x 100 or 100 x 200.
    explicit EditorTestInstall(int itemCount = 4) {
        sys.SetFolder(folder.Path());
        QDir(folder.Path()).mkpath(QStringLiteral("tmpBmpData"));
        QDir(folder.Path()).mkpath(QStringLiteral("vx7Ecamsys素材仓库"));
        QDir(folder.Path()).mkpath(QStringLiteral("vx7Ecamsys背景图片"));
        QDir(folder.Path()).mkpath(QStringLiteral("2011拍照图片"));
        const QString pictures = folder.Sub(Category() + QStringLiteral("/试衣及按钮图片"));
        QDir().mkpath(pictures);
        materials::MaterialPackage package;
        package.pictureFolder = Category() + QStringLiteral("/试衣及按钮图片");
        materials::MaterialRecord title;
        title.type = materials::MaterialRecord::kTitleType;
        title.title = QStringLiteral("外套");
        package.records.push_back(title);
        for (int i = 0; i < itemCount; ++i) {
            materials::MaterialRecord r;
            r.pictureName = QStringLiteral("item%1").arg(i);
            r.x = 10;
            r.y = 20;
            r.layer = i;
            r.scale = 1.0f;
            package.records.push_back(r);
            QImage picture(i % 2 ? QSize(100, 200) : QSize(200, 100), QImage::Format_ARGB32);
            picture.fill(QColor::fromHsv((i * 70) % 360, 255, 255));
            picture.save(QDir(pictures).filePath(r.pictureName + QStringLiteral(".png")));
        }
        materials::MaterialPackageWriter::WriteFile(
            package, folder.Sub(QStringLiteral("vx7Ecamsys素材仓库/") + Category() + QStringLiteral(".dm3")));
    }

    // A 320 x 240 photo of a figure on grey.
    QString WritePhoto(const QString& name = QStringLiteral("2011拍照图片/photo.bmp")) const {
        QImage photo(320, 240, QImage::Format_RGB32);
        photo.fill(QColor(128, 128, 128));
        QPainter p(&photo);
        p.setBrush(QColor(230, 190, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(140, 20, 40, 50));
        p.setBrush(QColor(40, 60, 150));
        p.drawRect(QRect(125, 75, 70, 120));
        p.end();
        const QString path = folder.Sub(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        photo.save(path);
        return path;
    }

    TempInstallFolder folder;
    core::SysInfo sys;
};

} // namespace vx7::test
