#include "rowdelegate.h"

#include "tool/hfid.h"

QString shortenedText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    return leftWholeCharacters(text, maxChars) + QChar(0x2026);
}

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
