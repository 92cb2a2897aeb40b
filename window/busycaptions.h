#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class ActionClock;
class QPushButton;

// The captions of the busy buttons of the action in progress and the clock they count on: each
// says "Running...", the step of an action of several and, after two seconds, the time, once a
// second; at the end each button gets its own caption back. What a screen reader hears of the
// action (its button's caption, ": running" and the same progress) is told again every ten
// seconds, at each step and when the window is to close, not every second.
class BusyCaptions : public QObject
{
public:
    // The heard name is out of date: told whenever that is worth saying.
    explicit BusyCaptions(std::function<void()> heardNameChanged);
    ~BusyCaptions() override;

    // The clock to count on; by default the steady clock. Not owned.
    void setClock(const ActionClock *clock);

    // The action begins: no time yet, one step, not closing. Or it ends, and the time stops; the
    // buttons are given back one by one.
    void begin();
    void end();

    // A button becomes busy, its own caption kept; or is given back, with its own caption.
    void add(QPushButton *button);
    void giveBack(QPushButton *button);
    // A busy button's own caption.
    QString ownCaption(const QPushButton *button) const;

    void setProgress(int reached, int count);
    void setClosing();

    // What a screen reader hears now of the action of the button with this caption.
    QString heardName(const QString &buttonText) const;

private:
    qint64 elapsed() const;
    void show();

    std::function<void()> heardNameChanged;
    QPointer<const ActionClock> driven; // none: the steady clock
    qint64 started = 0;
    int step = 0;
    int steps = 0; // none: the action is one step
    bool closing = false;
    bool running = false;
    QTimer tick;
    QList<QPair<QPushButton *, QString>> buttons; // each with its own caption
    qint64 toldTens = 0;
    bool toldClosing = false;
    int toldStep = 0;
};
