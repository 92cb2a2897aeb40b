#include "devicelistview.h"

#include <QKeyEvent>

void DeviceListView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    const bool editing = state() == EditingState;
    if (!editing && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (before.isValid())
            emit rowActivatedByKey(before);
        event->accept();
        return;
    }
    const bool wasSelected = before.isValid() && selectionModel()->isSelected(before);
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    // Arrows, Home, End, Page Up and Down, Space and a row's first letters: what the view
    // now shows as selected is what Tandrel selects. A key that changed nothing selects
    // nothing again.
    if (!editing && after.isValid() && selectionModel()->isSelected(after) &&
        (after != before || !wasSelected))
        emit rowChosenByKey(after);
}

void DeviceListView::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    // The view would make the first row current on its own, unselected: the first arrow
    // then skips it. Without a current row, any arrow starts at the first one.
    if (!hadCurrent && currentIndex().isValid() && !selectionModel()->hasSelection())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
