#pragma once

#include "device/devicerecord.h"
#include "device/hfid.h"
#include "device/networkkey.h"
#include "device/toolrun.h"

#include <QPair>
#include <QString>

#include <functional>
#include <optional>

class DeviceSession;

// What an action came to, as the user is told of it: whoever shows it chooses how.
struct ActionResult
{
    // What kind of report the user is given.
    enum class Report {
        None,       // nothing to tell
        Message,    // a short message to acknowledge
        ToolReport, // the tool's report, or a text as long, to read beside the window
        FullReport, // a report that is read whole, at the size of its text
    };
    Report report = Report::None;
    QString text;
    bool succeeded = false;
    bool rescanned = false; // the session scanned again: its adapters are new
    QString logText = {};   // the text in English for the event log, where the user reads another

    static ActionResult message(const QString &text) { return {Report::Message, text, true}; }
    static ActionResult toolReport(const QString &text, bool succeeded = false)
    {
        return {Report::ToolReport, text, succeeded};
    }
};

// The actions of the configuration page, each on the adapter given, one call each: the tool's
// runs in their order, and the judging of what it printed. Each one returns what the user is
// told; whoever calls asks its questions before and waits through its own host meanwhile.
class AdapterActions
{
public:
    explicit AdapterActions(DeviceSession &session);

    ActionResult deviceInformation(const DeviceRecord &adapter);
    ActionResult factoryDefault(const DeviceRecord &adapter);
    // New firmware for one adapter: the firmware file written, then, once it is in, the name
    // that the adapter's HFID had kept (keep) or the adapter reset to its factory defaults.
    // What the user is told is the last step's; a failed upgrade is the tool's error. Whether
    // the firmware went in goes to firmwareWritten, when given.
    ActionResult upgradeAdapter(const DeviceRecord &adapter, const QString &path, bool keep,
                                bool *firmwareWritten = nullptr);
    // The Firmware Upgrade button: the adapter upgraded, then a scan after every attempt,
    // unless the session ends once the action is done.
    ActionResult upgradeFirmware(const DeviceRecord &adapter, const QString &path, bool keep);
    // A restart, then the adapter asked for its HFID until it answers.
    ActionResult restart(const DeviceRecord &adapter);
    ActionResult simpleConnect(const DeviceRecord &adapter);

    // Which step of how many an action has reached, for whoever shows it.
    using Progress = std::function<void(int step, int steps)>;
    // Change Key, in networkkey.cpp beside its rules. The network password on the adapter
    // alone: the tool's own words, and what that does to the other adapters found.
    ActionResult changeKey(const DeviceRecord &adapter, const QString &password);
    // The network password on every adapter that a scan first finds through the adapter's
    // interface, the one this computer is connected through last (networkInSafeOrder), one run
    // each; a failure stops before that adapter. Then a scan: every adapter found again is a
    // success. Each adapter, with what became of it, is listed and logged as soon as it is
    // known, those that an earlier attempt gave the same password included.
    ActionResult changeKeyOnEveryAdapter(const DeviceRecord &adapter, const QString &password,
                                         const Progress &progress = {});
    // A new name (empty: no name), refused before anything runs when the adapter would not
    // take it: the adapter's manufacturer HFID read, the name written in front of it, a
    // restart and the adapter asked until it answers, then a rescan that must list it under
    // its new name; the adapter stays selected.
    ActionResult rename(const DeviceRecord &adapter, const QString &name);

private:
    // After new firmware: the adapter's new HFID, asked for until it answers, written back
    // as the user HFID behind the leading part it had, then a restart.
    ActionResult restoreConfiguration(const DeviceRecord &adapter, const QString &hfidPrefix);
    // A restart, then the adapter asked for its HFID until it answers: what went wrong, with
    // what the tool printed, or nothing.
    // Empty when it answers; else why not, in the user's language (first) and in English.
    QPair<QString, QString> restartUntilBack(const DeviceRecord &adapter);
    // The user HFID written with set_hfid: what the tool printed when the write failed, or
    // nothing. The record is what the log keeps of the run.
    std::optional<QString> writeUserHfid(const DeviceRecord &adapter, const QString &hfid, RunRecord record);

    DeviceSession &session;
    PasswordsGiven passwordsGiven;
};

// The judging of what the tool prints, and the texts the user is told.

// "==== ERROR ====" in front of a text, with or without a line feed after it.
QString errorText(const QString &output, bool lineFeed);

// Device information: the report from its "Done." marker on, headed SUCCESS, or the whole
// output headed ERROR; trimmed.
QString deviceInfoText(const QString &output);

bool factoryDefaultSucceeded(const QString &output);

// Whether a run that changes the adapter (set_hfid, apcm_sta_restart) failed: it did not
// start, crashed, ran past its limit, ended with an exit code other than 0, or printed "Error".
bool toolRunFailed(const RunStatus &status, const QString &output);

// What is wrong with the adapter as the scan after a rename found it (null: not at all), given
// the user HFID written: nothing when it shows the new name, else what it reports.
QString renameMismatch(const DeviceRecord *found, const QString &writtenHfid, bool translated = true);

// What the simple-connect window shows: the randomize text, or, when no start attempt
// reported success, that text and the last attempt's text under an ERROR heading.
QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput, bool started);
