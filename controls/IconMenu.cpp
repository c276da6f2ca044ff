#include "IconMenu.h"

#include "Frame3d.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace vx7::controls {
namespace {

// The style that hands menu items to their IconMenu for measuring and drawing.
class IconMenuStyle final : public QProxyStyle {
  public:
    explicit IconMenuStyle(const IconMenu& owner) : owner_(owner) {}

    static IconMenu::Item ItemOf(const QStyleOptionMenuItem& option) {
        IconMenu::Item item;
        item.separator = option.menuItemType == QStyleOptionMenuItem::Separator;
        item.text = option.text;
        item.enabled = option.state & State_Enabled;
        item.selected = option.state & State_Selected;
        item.checked = option.checked;
        if (!option.icon.isNull())
            item.image = option.icon.pixmap(QSize(IconMenu::kImageSide, IconMenu::kImageSide));
        return item;
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuItem) {
            if (const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                owner_.DrawItem(*painter, mi->rect, ItemOf(*mi));
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) {
            if (const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                return owner_.MeasureItem(ItemOf(*mi));
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

  private:
    const IconMenu& owner_;
};

} // namespace

IconMenu::IconMenu(QObject* parent) : QObject(parent) {
    const QPalette p = QApplication::palette();
    colours_ = {p.color(QPalette::WindowText), p.color(QPalette::HighlightedText),
                p.color(QPalette::Button),     p.color(QPalette::Window),
                p.color(QPalette::Highlight),  p.color(QPalette::Light),
                p.color(QPalette::Dark),       p.color(QPalette::Disabled, QPalette::WindowText)};
    font_ = QApplication::font("QMenu");
    style_ = std::make_unique<IconMenuStyle>(*this);
}

IconMenu::~IconMenu() = default;

bool IconMenu::LoadImages(const QString& stripPath, const std::vector<int>& commands) {
    QImage strip(stripPath);
    if (strip.isNull())
        return false;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    // The mask colour is the background of the strip's images.
    for (int y = 0; y < strip.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((row[x] | 0xFF000000u) == kMaskColour)
                row[x] = 0;
    }
    const int count = strip.width() / kImageSide;
    for (int i = 0; i < count && i < int(commands.size()); ++i) {
        if (commands[size_t(i)] == 0)
            continue; // a gap in the toolbar
        images_.insert(commands[size_t(i)],
                       QPixmap::fromImage(
                           strip.copy(i * kImageSide, 0, kImageSide, std::min(kImageSide, strip.height()))));
    }
    return true;
}

void IconMenu::MakeOwnerDrawn(QMenu* menu) {
    if (!menu)
        return;
    menu->setStyle(style_.get());
    menu->setFont(font_);
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            MakeOwnerDrawn(action->menu());
            continue;
        }
        bool ok = false;
        const int command = action->data().toInt(&ok);
        if (ok && images_.contains(command))
            action->setIcon(QIcon(images_.value(command)));
    }
}

QSize IconMenu::MeasureItem(const Item& item) const {
    if (item.separator)
        return QSize(10, 6);
    const int imageH = kImageSide, imageW = kImageSide;
    if (item.text.isEmpty())
        return QSize(100, imageH + 5);
    const QFontMetrics metrics(font_);
    const int textH = metrics.height();
    const int height = std::max(imageH + 5, textH);
    const int tab = item.text.indexOf(u'\t');
    int textW = metrics.horizontalAdvance(tab < 0 ? item.text : item.text.left(tab));
    if (tab >= 0)
        textW += metrics.horizontalAdvance(QStringLiteral("    ")) +
                 metrics.horizontalAdvance(item.text.mid(tab + 1));
    return QSize(textW + 17 + std::max(imageW, height), height);
}

void IconMenu::DrawItem(QPainter& painter, const QRect& rect, const Item& item) const {
    painter.save();
    painter.setFont(font_);
    if (item.separator) {
        const int y = rect.top() + 2;
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), rect.height()), colours_.menu);
        painter.setPen(colours_.buttonShadow);
        painter.drawLine(rect.left() + 2, y, rect.right() - 2, y);
        painter.setPen(colours_.buttonHighlight);
        painter.drawLine(rect.left() + 2, y + 1, rect.right() - 2, y + 1);
        painter.restore();
        return;
    }
    const QColor fill = item.selected ? colours_.highlight : colours_.menu;
    const QColor textColour = item.selected ? colours_.highlightText : colours_.menuText;
    painter.fillRect(rect, fill);
    const QRect square(rect.left(), rect.top(), rect.height(), rect.height());
    if (!item.image.isNull()) {
        const QPoint at(square.left() + (square.width() - item.image.width()) / 2,
                        square.top() + (square.height() - item.image.height()) / 2);
        if (item.enabled)
            painter.drawPixmap(at, item.image);
        else
            painter.drawPixmap(at, QIcon(item.image).pixmap(item.image.size(), QIcon::Disabled));
        if (item.selected && item.enabled)
            DrawFrame3d(painter, square, FromQColor(colours_.buttonHighlight),
                        FromQColor(colours_.buttonShadow));
        else
            DrawFrame3d(painter, square, FromQColor(fill), FromQColor(fill));
    } else if (item.checked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(textColour, 2));
        const QPointF c = QRectF(square).center();
        painter.drawPolyline(QPolygonF({c + QPointF(-4, 0), c + QPointF(-1, 3), c + QPointF(4, -3)}));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    const QRect textRect(square.right() + 1 + 4, rect.top(), rect.right() - square.right() - 4,
                         rect.height());
    const int tab = item.text.indexOf(u'\t');
    const QString label = tab < 0 ? item.text : item.text.left(tab);
    const QString accel = tab < 0 ? QString() : item.text.mid(tab + 1);
    auto drawText = [&](const QRect& r, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, label);
        if (!accel.isEmpty())
            painter.drawText(r.adjusted(0, 0, -15, 0), Qt::AlignRight | Qt::AlignVCenter, accel);
    };
    if (!item.enabled) {
        drawText(textRect.adjusted(1, 1, -1, -1), colours_.buttonHighlight);
        drawText(textRect, colours_.greyText);
    } else {
        drawText(textRect, textColour);
    }
    painter.restore();
}

} // namespace vx7::controls
