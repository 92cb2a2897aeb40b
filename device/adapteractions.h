#pragma once

#include "device/devicerecord.h"
#include "device/hfid.h"
#include "device/toolrun.h"

#include <QString>

#include <functional>

class DeviceSession;

// What the window shows when an action is done.
struct ActionResult
{
    enum class Shown {
        Nothing,
        Box,          // an information box with the text
        ResultWindow, // a result window with the text
    };
    Shown shown = Shown::Nothing;
    QString text;
    bool fitToText = false; // the result window takes the size of its text
    bool succeeded = false;
    bool rescanned = false; // the session scanned again: the window shows its adapters anew
};

// The actions of the configuration page, each on the selected adapter: the tool's runs in
// their order, and the judging of what it printed. Each one returns what the window shows;
// the window asks its questions before and waits through its own host meanwhile.
class AdapterActions
{
public:
    explicit AdapterActions(DeviceSession &session);

    ActionResult deviceInformation();
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
    ActionResult restart();
    ActionResult simpleConnect();

    // Which step of how many an action has reached, for whoever shows it.
    using Progress = std::function<void(int step, int steps)>;
    // Change Key, in networkkey.cpp beside its rules. The network password on the selected
    // adapter alone: the tool's own words, and what that does to the other adapters found.
    ActionResult changeKey(const QString &password);
    // The network password on every adapter that the interface reaches, the one this computer
    // is connected through last (networkInSafeOrder), one run each; a failure stops before
    // that adapter. Then a scan: every adapter found again is a success. Each adapter, with
    // what became of it, is listed.
    ActionResult changeKeyOnEveryAdapter(const QString &password, const Progress &progress = {});
    // A new name (empty: no name), refused before anything runs when the adapter would not
    // take it: the adapter's manufacturer HFID read, the name written in front of it, a
    // restart and the adapter asked until it answers, then a rescan that must list it under
    // its new name; the adapter stays selected.
    ActionResult rename(const QString &name);

private:
    // After new firmware: the adapter's new HFID, asked for until it answers, written back
    // as the user HFID behind the leading part it had, then a restart.
    ActionResult restoreConfiguration(const DeviceRecord &adapter, const QString &hfidPrefix);
    // A restart, then the adapter asked for its HFID until it answers: what went wrong, with
    // what the tool printed, or nothing.
    QString restartUntilBack(const DeviceRecord &adapter);

    DeviceSession &session;
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
QString renameMismatch(const DeviceRecord *found, const QString &writtenHfid);

// What the simple-connect window shows: the randomize text, or, when no start attempt
// reported success, that text and the last attempt's text under an ERROR heading.
QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput, bool started);
