#pragma once

#include "device/devicerecord.h"

#include <QString>
#include <QStringList>

// The texts that the window shows, made without it.

// How many characters of one value the window lays out: an HFID holds at most 64 bytes,
// and a list row or banner line far longer than the window only costs time at every paint.
constexpr int maxShownChars = 256;

// The text as it is when it is short enough, else its beginning and an ellipsis.
QString shortenedText(const QString &text, int maxChars = maxShownChars);

// What a result window shows of a text: all of it when it is short; otherwise its beginning,
// cut at a line end when one is near, and a last line that points to the event log.
QString resultWindowText(const QString &text, int maxChars = 65536);

// What the device list says of an adapter beside its row: its name and its firmware
// version, each from a bounded part of the HFID; empty when it shows neither.
QString rowDetails(const QString &hfid);
// The details of every row of the device list: each adapter's (rowDetails), and the row of the
// adapter that this computer is connected through, where it is known, says so after them
// ("Kitchen, firmware 1.02, this computer").
QStringList rowsDetails(const DeviceList &devices);

// A caption as it is heard: "&Restart" is "Restart", "A && B" is "A & B".
QString withoutMnemonic(const QString &text);

// The caption of a busy button: "Running...", the step of an action of several ("2 of 3"), the
// time the action has run once that is two seconds or more ("Running... 2 of 3, 0:42"), and
// that the window closes when the action is done.
QString busyCaption(qint64 elapsedMs, bool closing, int step = 0, int steps = 0);
// What a screen reader says of the action in progress: the action, named by its button's own
// caption, and the step and time as the caption shows them ("Restart: running, 0:42").
QString busyName(const QString &buttonText, qint64 elapsedMs, bool closing, int step = 0, int steps = 0);
