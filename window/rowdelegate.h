#pragma once

#include "device/texts.h"

#include <QString>
#include <QStyledItemDelegate>

// Paints the device rows from a bounded part of their text, so that a row holding
// megabytes of what a tool printed paints as fast as any other. The model keeps the whole
// text. A row too long to show whole is not edited in place. Behind the row's text, where
// there is room, come its adapter's details (DeviceListModel), quieter.
class DeviceRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
