#pragma once

#include <QObject>

// The clock that the time of an action in progress is counted on: milliseconds of a steady
// clock. A clock that jumps says so, and whatever shows the time shows it again at once.
class ActionClock : public QObject
{
    Q_OBJECT

public:
    virtual qint64 now() const;

signals:
    void moved();
};
