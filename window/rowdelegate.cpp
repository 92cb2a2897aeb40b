#include "rowdelegate.h"

#include "device/hfid.h"
#include "devicelistmodel.h"

#include <QApplication>
#include <QPainter>

namespace {

// The space between a row's text and its details.
int detailsGap(const QFontMetrics &metrics)
{
    return 3 * metrics.horizontalAdvance(QLatin1Char(' '));
}

} // namespace

QString DeviceRowDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return QStyledItemDelegate::displayText(shortenedText(value.toString()), locale);
}

QWidget *DeviceRowDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (index.data(Qt::EditRole).toString().size() > maxShownChars)
        return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void DeviceRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString details = index.data(DeviceListModel::DetailsRole).toString();
    if (details.isEmpty())
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    // Where the style put the row's text, and the margin it keeps inside that.
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    QRect room = textRect.adjusted(margin, 0, -margin, 0);
    room.setLeft(room.left() + item.fontMetrics.horizontalAdvance(item.text) + detailsGap(item.fontMetrics));
    if (room.width() <= 0)
        return;

    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : item.state & QStyle::State_Active   ? QPalette::Active
                                                                             : QPalette::Inactive;
    QColor colour = item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    colour.setAlphaF(0.6);
    painter->save();
    painter->setPen(colour);
    painter->setFont(item.font);
    painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                      item.fontMetrics.elidedText(details, Qt::ElideRight, room.width()));
    painter->restore();
}

QSize DeviceRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString details = index.data(DeviceListModel::DetailsRole).toString();
    if (!details.isEmpty()) {
        const QFontMetrics metrics(option.font);
        size.rwidth() += detailsGap(metrics) + metrics.horizontalAdvance(details);
    }
    return size;
}
