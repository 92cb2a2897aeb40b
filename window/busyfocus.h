#pragma once

#include "actionbutton.h"

#include <QObject>
#include <QPointer>

#include <functional>

// Where the focus rests while the busy button, disabled, cannot hold it: over that button, drawn
// as its focus frame only, so that a click still lands on the button (and is dropped there). A
// screen reader names it for the action in progress and its time, whenever it asks.
class BusyFocus : public ActionButton
{
public:
    explicit BusyFocus(QPushButton *busy);

    QPushButton *const busy;
    std::function<QString()> name; // while it stands in

    QString heardName() const override { return name ? name() : QString(); }
    bool standsIn() const override { return true; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Puts the stand-in over the busy button that came last and gives it the focus, keeps it there
// wherever the layout moves the button, and takes the focus back from a button that a dropped
// press gave it to.
class FocusKeeper : public QObject
{
public:
    // How a stand-in is named, given its button's own caption.
    explicit FocusKeeper(std::function<QString(const QString &caption)> heardName);

    // The stand-in of this button, with its own caption, or none: the one before is hidden.
    void place(QPushButton *button, const QString &caption);
    bool holdsFocus() const { return current && current->hasFocus(); }
    // Tells a screen reader that the stand-in's name changed.
    void tellNameChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QString(const QString &)> heardName;
    QPointer<BusyFocus> current;
};
