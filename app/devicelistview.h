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

signals:
    void rowChosenByKey(const QModelIndex &index);
    void rowActivatedByKey(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};
