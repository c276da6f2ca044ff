// vx7samplegen: writes the shipped sample content into the install medium: the
// clothing and accessory pictures of the two categories, the make-up palettes and the
// background pictures. The material packages themselves are written by
// `vx7tool dm3 pack` from the description files; this program checks that every
// described material has a picture and that its stored position matches the picture.
//
//   vx7samplegen --medium DIR --content DIR [--preview DIR] [--positions]
#include "Art.h"
#include "Backgrounds.h"
#include "Figure.h"
#include "Palettes.h"
#include "core/InstallLayout.h"

#include "materials/PackageDescription.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

using namespace vx7::samplegen;
using vx7::materials::MaterialPackage;
using vx7::materials::MaterialRecord;

constexpr double kStoredScale = 1.0 / kScale;

struct Category {
    QString name;        // folder name in the medium
    QString description; // description file in the content folder
    std::vector<Art> art;
};

void Err(const QString& text) {
    std::fprintf(stderr, "vx7samplegen: %s\n", text.toUtf8().constData());
}

bool Save(const QImage& image, const QString& path, const char* format = "PNG", int quality = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality)) {
        Err(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

// The photo drawn centred on the editor canvas, as the editor shows it.
QImage CanvasWithPhoto(const QImage& photo) {
    QImage canvas(kCanvasWidth, kCanvasHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor(193, 211, 242));
    QPainter p(&canvas);
    // Where the editor draws a photo: centred, but never left of or above the canvas's edge.
    p.drawImage(std::max(0, (kCanvasWidth - photo.width()) / 2),
                std::max(0, (kCanvasHeight - photo.height()) / 2), photo);
    return canvas;
}

// Places a picture as the editor does: natural size times the stored scale, top-left at (x, y).
void Place(QImage& canvas, const QImage& picture, const MaterialRecord& rec) {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int w = int(picture.width() * rec.scale), h = int(picture.height() * rec.scale);
    p.drawImage(QRect(rec.x, rec.y, w, h), picture);
}

} // namespace

namespace layout = vx7::core::layout;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"medium", "install medium folder to write into", "dir"});
    parser.addOption({"content", "folder of the package description files", "dir"});
    parser.addOption({"preview", "also write pictures of every material on a person", "dir"});
    parser.addOption({"positions", "print the item lines with the positions the pictures need"});
    parser.addOption({"figure-photo",
                      "also write a 640 x 480 photo of the person on the first backdrop, "
                      "placed so the editor shows it where the materials expect it",
                      "file"});
    parser.process(app);
    if (!parser.isSet("medium") || !parser.isSet("content")) {
        Err(QStringLiteral("--medium and --content are required"));
        return 2;
    }
    const QDir medium(parser.value("medium"));
    const QDir content(parser.value("content"));
    const QString preview = parser.value("preview");

    std::vector<Category> categories{
        {layout::WomenswearCategory(), QStringLiteral("autumn-winter-womenswear.txt"), Garments()},
        {layout::AccessoriesCategory(), QStringLiteral("accessories.txt"), Accessories()},
    };

    // Backgrounds first: previews use them.
    std::vector<QImage> backdrops;
    for (const Backdrop& b : Backdrops()) {
        QImage img = b.render().convertToFormat(QImage::Format_RGB32);
        backdrops.push_back(img);
        if (!Save(img, medium.filePath(layout::BackgroundFolder() + QLatin1Char('/') + b.fileName), "JPG",
                  92))
            return 1;
    }
    for (const Palette& pal : Palettes())
        if (!Save(pal.render(),
                  medium.filePath(layout::SystemPictureFolder() + QLatin1Char('/') + pal.fileName)))
            return 1;

    QImage person(kCanvasWidth, kCanvasHeight, QImage::Format_ARGB32_Premultiplied);
    person.fill(Qt::transparent);
    DrawPerson(person);
    if (parser.isSet("figure-photo") && !backdrops.empty()) {
        // The person is drawn in canvas coordinates; the editor shows this photo from the
        // canvas's left edge, one pixel down.
        QImage photo = backdrops.front().copy();
        QPainter p(&photo);
        p.drawImage(-std::max(0, (kCanvasWidth - photo.width()) / 2),
                    -std::max(0, (kCanvasHeight - photo.height()) / 2), person);
        p.end();
        if (!Save(photo, parser.value("figure-photo"), "JPG", 95))
            return 1;
    }

    bool ok = true;
    for (const Category& cat : categories) {
        QString error;
        const auto package =
            vx7::materials::PackageDescription::ReadFile(content.filePath(cat.description), &error);
        if (!package) {
            Err(error);
            return 1;
        }
        std::map<QString, const MaterialRecord*> described;
        for (const MaterialRecord& rec : package->records)
            if (!rec.IsTitle())
                described[rec.pictureName] = &rec;
        const QString folder = medium.filePath(cat.name + QLatin1Char('/') + layout::MaterialPictureFolder());
        for (const Art& art : cat.art) {
            const Sprite sprite = RenderSprite(art);
            if (!Save(sprite.image, folder + QLatin1Char('/') + art.name + QStringLiteral(".png")))
                return 1;
            const auto it = described.find(art.name);
            const QString line = QStringLiteral("item %1 x=%2 y=%3 slot=? scale=%4")
                                     .arg(art.name)
                                     .arg(sprite.position.x())
                                     .arg(sprite.position.y())
                                     .arg(kStoredScale);
            if (parser.isSet("positions"))
                std::printf("%s\n", line.toUtf8().constData());
            if (it == described.end()) {
                Err(QStringLiteral("%1: \"%2\" is not described").arg(cat.description, art.name));
                ok = false;
                continue;
            }
            const MaterialRecord& rec = *it->second;
            if (rec.x != sprite.position.x() || rec.y != sprite.position.y() ||
                std::abs(rec.scale - kStoredScale) > 1e-6) {
                Err(QStringLiteral("%1: position of \"%2\" does not match its picture; use: %3")
                        .arg(cat.description, art.name, line));
                ok = false;
            }
            if (!preview.isEmpty()) {
                QImage canvas = CanvasWithPhoto(backdrops.front());
                {
                    QPainter p(&canvas);
                    p.drawImage(0, 0, person);
                }
                MaterialRecord placed = rec;
                placed.x = sprite.position.x();
                placed.y = sprite.position.y();
                placed.scale = float(kStoredScale);
                Place(canvas, sprite.image, placed);
                Save(canvas, QDir(preview).filePath(art.name + QStringLiteral(".png")));
            }
            described.erase(it);
        }
        for (const auto& [name, rec] : described)
            if (!rec->pictureName.isEmpty() && rec->type != MaterialRecord::kHiddenType) {
                Err(QStringLiteral("%1: \"%2\" has no picture").arg(cat.description, name));
                ok = false;
            }
    }
    if (!preview.isEmpty() && ok) {
        // Whole outfits, layered as the editor layers them: the highest slot first, slot 0 on top.
        std::map<QString, std::pair<Sprite, int>> placed;
        for (const Category& cat : categories) {
            const auto package =
                vx7::materials::PackageDescription::ReadFile(content.filePath(cat.description));
            for (const Art& art : cat.art)
                for (const MaterialRecord& rec : package->records)
                    if (rec.pictureName == art.name)
                        placed[art.name] = {RenderSprite(art), rec.layer};
        }
        const std::vector<std::pair<int, QStringList>> outfits{
            {0,
             {"驼色双排扣大衣", "米白色麻花高领毛衣", "深蓝修身牛仔裤", "黑色羊毛贝雷帽", "珍珠耳坠",
              "驼色手提包"}},
            {3, {"灰色格纹大衣", "海军条纹圆领毛衣", "黑色高腰阔腿裤", "格纹羊绒围巾", "金属圆框眼镜"}},
            {4, {"红色连帽羽绒服", "粉色宽松马海毛衣", "红格纹百褶裙", "酒红色毛球针织帽", "红色流苏耳环"}},
            {2, {"黑色短款皮夹克", "黑色收腰小礼服", "茶色猫眼墨镜", "金色大圈耳环", "黑色菱格链条包"}},
            {6, {"藏青色西装外套", "燕麦色针织连衣裙", "金色爱心锁骨链", "驼色宽檐礼帽"}},
            {7, {"酒红色V领开衫", "卡其色A字半身裙", "水晶长款吊坠", "黑框眼镜"}},
        };
        int n = 0;
        for (const auto& [backdrop, names] : outfits) {
            std::vector<std::pair<int, const Sprite*>> layers;
            for (const QString& name : names)
                if (placed.count(name))
                    layers.push_back({placed[name].second, &placed[name].first});
            std::stable_sort(layers.begin(), layers.end(),
                             [](const auto& a, const auto& b) { return a.first > b.first; });
            QImage canvas = CanvasWithPhoto(backdrops[size_t(backdrop) % backdrops.size()]);
            {
                QPainter p(&canvas);
                p.drawImage(0, 0, person);
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                for (const auto& [slot, sprite] : layers)
                    p.drawImage(QRect(sprite->position, sprite->image.size() / kScale), sprite->image);
            }
            Save(canvas, QDir(preview).filePath(QStringLiteral("outfit-%1.png").arg(++n)));
        }
    }
    return ok ? 0 : 1;
}
