#pragma once

#include <QListView>

// The device list, as a keyboard user reaches it as well as a mouse user: a row that the
// keys make current and selected is chosen (as a click chooses it), and Return or Enter
// on a row chooses it and goes on (as a double click does). The focus alone chooses nothing.
class DeviceListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

    // Puts the focus on the row, current but selected or not as it is, and has a screen reader
    // say that row: the one that the next key acts on.
    void focusRow(const QModelIndex &row);

signals:
    void rowChosenByKey(const QModelIndex &index);
    void rowActivatedByKey(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // Tells assistive technology that the focus is on the current row, once the toolkit has told
    // it that the focus is on the list.
    void tellCurrentRowLater();

    bool telling = false;
};
