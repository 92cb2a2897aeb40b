#pragma once

#include "tool/hfid.h"
#include "tool/toolrun.h"

#include <QString>
#include <QStringList>

// The command lines of the device tool and the judging of what it prints.

// "==== ERROR ====" in front of a text, with or without a line feed after it.
QString errorText(const QString &output, bool lineFeed);

// Device information: the report from its "Done." marker on, headed SUCCESS, or the
// whole output headed ERROR; trimmed.
QString deviceInfoText(const QString &output);

bool factoryDefaultSucceeded(const QString &output);
bool upgradeSucceeded(const QString &output);
bool simpleConnectStarted(const QString &output);

// Whether a run that changes the adapter (set_hfid, apcm_sta_restart) failed: it did not
// start, crashed, ran past its limit, ended with an exit code other than 0, or printed "Error".
bool toolRunFailed(const RunStatus &status, const QString &output);

// What the user is told when the kept name did not reach the adapter.
QString nameNotRestoredText(const QString &hfidPrefix, int seconds, const QString &lastOutput);
QString nameNotWrittenText(const QString &hfid, const QString &output);
QString keptNameSuccessText(const FittedHfid &written);

// What the user is told after a restart.
QString restartFailedText(const QString &output);
QString restartSuccessText();
QString adapterNotBackText(int seconds, const QString &lastOutput);

// What the simple-connect window shows: the randomize text, or, when no start attempt
// reported success, that text and the last attempt's text under an ERROR heading.
QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput, bool started);

// What a result window shows of a text: all of it when it is short; otherwise its beginning,
// cut at a line end when one is near, and a last line that points to the event log.
QString resultWindowText(const QString &text, int maxChars = 65536);
