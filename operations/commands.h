#pragma once

#include <QString>
#include <QStringList>

// The command lines of the device tool and the judging of what it prints.

// interface, the subcommand with its operands, "-m", device.
QStringList deviceCommand(const QString &interfaceAddress, const QStringList &subcommand,
                          const QString &deviceAddress);

// "==== ERROR ====" in front of a text, with or without a line feed after it.
QString errorText(const QString &output, bool lineFeed);

// Device information: the report from its "Done." marker on, headed SUCCESS, or the
// whole output headed ERROR; trimmed.
QString deviceInfoText(const QString &output);

bool factoryDefaultSucceeded(const QString &output);
bool upgradeSucceeded(const QString &output);
bool simpleConnectStarted(const QString &output);

// The leading part of an HFID, in front of the model name; empty when there is none.
QString extractHfidPrefix(const QString &hfid);

// The HFID that a get_hfid output reports: from the first "hfid: " to the end, trimmed.
// Empty when the output has no such marker or nothing after it.
QString reportedHfid(const QString &output);

// The user HFID that keeps the configured prefix in front of a new manufacturer HFID.
QString keptUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid);

// What the simple-connect window shows: the randomize text, or, when no start attempt
// reported success, that text and the last attempt's text under an ERROR heading.
QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput,
                          bool started);

// What a result window shows of a text: all of it when it is short; otherwise its beginning,
// cut at a line end when one is near, and a last line that points to the event log.
QString resultWindowText(const QString &text, int maxChars = 65536);
