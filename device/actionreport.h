#pragma once

// What the actions' reports share, for the files that hold the actions: the ERROR heading, a
// text in the user's language or in English for the log, and the report of an action of
// several runs written to the log as soon as it is known.
#include "adapteractions.h"
#include "devicesession.h"

#include <QCoreApplication>

namespace ActionReport {

inline const QString successHeading = QStringLiteral("==== SUCCESS ====");

inline ActionResult errorReport(const QString &text)
{
    return ActionResult::toolReport(errorText(text, true));
}

// The same in the user's language and, for the log, in English.
inline ActionResult errorReport(const QString &text, const QString &logged)
{
    ActionResult result = errorReport(text);
    result.logText = errorText(logged, true);
    return result;
}

// A text of the actions' reports in the user's language, or in English for the log: no
// catalogue has the empty context.
inline QString said(const char *source, bool translated)
{
    return QCoreApplication::translate(translated ? "AdapterActions" : "", source);
}

// The report of an action of several runs, in the log as soon as it is known: a session end or
// a crash while it is shown leaves the truth there.
inline ActionResult reported(DeviceSession &session, const QString &action, const ActionResult &result)
{
    session.appendLog(
        QStringLiteral("%1 report: %2").arg(action, result.logText.isEmpty() ? result.text : result.logText));
    return result;
}

} // namespace ActionReport
