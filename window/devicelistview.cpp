#include "devicelistview.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

void DeviceListView::focusRow(const QModelIndex &row)
{
    setFocus(Qt::OtherFocusReason);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    tellCurrentRowLater();
}

void DeviceListView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    const bool editing = state() == EditingState;
    if (!editing && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // The row goes on selected, as a double click's first click selects it.
        if (before.isValid()) {
            selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
            emit rowActivatedByKey(before);
        }
        event->accept();
        return;
    }
    const bool wasSelected = before.isValid() && selectionModel()->isSelected(before);
    // The row that a screen reader said, current but not selected (after a scan): the first arrow
    // chooses it, so that no arrow passes over a row that the user has not heard.
    if (!editing && before.isValid() && !wasSelected &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        event->modifiers() == Qt::NoModifier) {
        selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
        emit rowChosenByKey(before);
        event->accept();
        return;
    }
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
    tellCurrentRowLater();
}

void DeviceListView::tellCurrentRowLater()
{
    // The toolkit names the list itself as focused just after the focus came, and not the row
    // when the row was current already.
    if (telling)
        return;
    telling = true;
    QTimer::singleShot(0, this, [this] {
        telling = false;
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
        QAccessibleTableInterface *rows = list ? list->tableInterface() : nullptr;
        QAccessibleInterface *row = rows && hasFocus() ? rows->cellAt(currentIndex().row(), 0) : nullptr;
        if (!row)
            return;
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(list->indexOfChild(row));
        QAccessible::updateAccessibility(&event);
    });
}
