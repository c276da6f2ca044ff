#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSize>

#include <memory>
#include <vector>

class QMenu;
class QPainter;
class QProxyStyle;

namespace vx7::controls {

// Owner-drawn menus: every item gets a square at its left holding the image of its
// command (20 x 20 images cut from a toolbar strip), a raised frame round the image of
// the selected item, highlight colours, separators drawn as a shadow line over a light
// one, and disabled items embossed in grey.
class IconMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int kImageSide = 20;
    static constexpr QRgb kMaskColour = 0xFFC0C0C0;

    // One menu item as it is drawn.
    struct Item {
        bool separator = false;
        QString text; // "label\taccelerator"
        QPixmap image;
        bool enabled = true;
        bool selected = false;
        bool checked = false;
    };

    // Colours read from the system (the application palette) when the menu is made.
    struct Colours {
        QColor menuText, highlightText, buttonFace, menu, highlight, buttonHighlight, buttonShadow, greyText;
    };

    explicit IconMenu(QObject* parent = nullptr);
    ~IconMenu() override;

    // Cuts the strip into 20 x 20 images (the mask colour becomes transparent) and
    // gives image i to commands[i]. False when the strip cannot be read.
    bool LoadImages(const QString& stripPath, const std::vector<int>& commands);
    QPixmap ImageFor(int command) const { return images_.value(command); }
    int ImageCount() const { return int(images_.size()); }

    // Makes menu and all its submenus owner-drawn. An action's command is its data()
    // as an integer; its image is put on the action as its icon.
    void MakeOwnerDrawn(QMenu* menu);

    QSize MeasureItem(const Item& item) const;
    void DrawItem(QPainter& painter, const QRect& rect, const Item& item) const;

    const Colours& SystemColours() const { return colours_; }
    const QFont& MenuFont() const { return font_; }

  private:
    Colours colours_;
    QFont font_;
    QHash<int, QPixmap> images_;
    std::unique_ptr<QProxyStyle> style_;
};

} // namespace vx7::controls
