// The actions on an adapter, on a session without a window, through the stand-in tool in real
// processes; the pace of repeated tries and the time limits on a clock the test drives.
#include "drivenhost.h"
#include "kitchenadapter.h"
#include "tooldir.h"

#include "device/adapteractions.h"
#include "device/networkupgrade.h"

#include <QtTest>

class TestActions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deviceInformation_data();
    void deviceInformation();
    void factoryDefault_data();
    void factoryDefault();
    void upgrade_data();
    void upgrade();
    void restart_data();
    void restart();
    void simpleConnect_data();
    void simpleConnect();
    void changeKey_data();
    void changeKey();
    void rename_data();
    void rename();
    void reportsLoggedInEnglish_data();
    void reportsLoggedInEnglish();
    void networkPassword_data();
    void networkPassword();
    void upgradeEveryAdapter_data();
    void upgradeEveryAdapter();
    void hangingToolsAreEnded();

private:
    // The selected adapter as a scan finds it, and the tool's record of calls emptied.
    void selectAdapter(const QString &hfid);
    // The adapters 02:1A:7E:00:00:0N, as "N>M": N reached through M (its `at`), of model PL500
    // unless another follows (":PL1200E"), named for rooms; `away` answers no command, for
    // awayCalls commands.
    void selectInNetwork(const QStringList &adapters, const QString &away, const QString &selected,
                         int awayCalls = 1);
    // The subcommands that the tool was called with, in order, each with the adapter's last digit.
    QStringList runsByAdapter() const;
    // The subcommands that the tool was called with, in order.
    QStringList subcommands() const;
    DeviceRecord adapter() const { return session->selectedDevice(); }
    QStringList logSince(int before) const { return dir->log().mid(before); }

    std::unique_ptr<ToolDir> dir;
    DrivenHost host;
    std::unique_ptr<DeviceSession> session;
    std::unique_ptr<AdapterActions> actions;
};

void TestActions::init()
{
    dir = std::make_unique<ToolDir>();
    QVERIFY(dir->isValid());
    host = DrivenHost();
    session = std::make_unique<DeviceSession>(&host);
    QVERIFY(session->startLog("Tandrel.log", "Tandrel.previous.log"));
    session->setLocalAddresses({interfaceA()});
    ToolLimits limits;
    limits.askAgainMs = 1000;
    limits.adapterBackMs = 2500;
    session->setLimits(limits);
    actions = std::make_unique<AdapterActions>(*session);
    selectAdapter(userHfid);
}

void TestActions::cleanup()
{
    actions.reset();
    session.reset();
    QCOMPARE(dir->runningTools(), 0);
    dir.reset();
}

void TestActions::selectInNetwork(const QStringList &adapters, const QString &away, const QString &selected,
                                  int awayCalls)
{
    const auto address = [](const QString &n) { return "02:1A:7E:00:00:0" + n; };
    const QMap<QString, QString> names{{"1", "Living room"}, {"2", "Office"}, {"3", "Den"}, {"4", "Attic"}};
    QJsonArray state;
    for (const QString &adapter : adapters) {
        const QString n = adapter.left(1), model = adapter.section(':', 1);
        const QString manufacturer = model.isEmpty() ? factoryHfid : model + "_FW2.00b01_FWDate_Mar 03 2015";
        QJsonObject record =
            simAdapter(address(n), interfaceA(), names[n] + "_" + manufacturer, manufacturer);
        record["at"] = address(adapter.mid(2, 1));
        if (n == away)
            record["awayCalls"] = awayCalls;
        state.append(record);
    }
    dir->writeState(state);
    session->scanDevices();
    session->select(address(selected));
    QFile::remove(dir->filePath("pwlctl-sim.calls"));
}

QStringList TestActions::runsByAdapter() const
{
    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1) + (call.at(1) == "discover_list" ? "" : " " + call.last().right(1));
    return made;
}

void TestActions::selectAdapter(const QString &hfid)
{
    dir->writeState({simAdapter(dev1, interfaceA(), hfid, factoryHfid)});
    session->scanDevices();
    session->select(dev1);
    QCOMPARE(session->selectedDevice().hfid, hfid);
    QFile::remove(dir->filePath("pwlctl-sim.calls"));
}

QStringList TestActions::subcommands() const
{
    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.value(1);
    return made;
}

// clang-format off
void TestActions::deviceInformation_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("shown");
    QTest::newRow("report") << "[apsta_info] Done.\nDevice address: X\nUser HFID: Y\n"
                            << "==== SUCCESS ====\nDevice address: X\nUser HFID: Y";
    QTest::newRow("silent tool") << "" << "==== ERROR ====";
}
// clang-format on

void TestActions::deviceInformation()
{
    QFETCH(QString, output);
    QFETCH(QString, shown);
    dir->setFault("apsta_info", {{"stdout", output}});
    const int before = dir->log().size();
    const ActionResult result = actions->deviceInformation(adapter());
    QCOMPARE(int(result.report), int(ActionResult::Report::FullReport));
    QCOMPARE(result.text, shown);
    const QStringList log = logSince(before);
    QCOMPARE(log.first(), "Emitting pwlctl.exe " + interfaceA() + " apsta_info -m " + dev1);
    QVERIFY(log.last().startsWith("Finished pwlctl.exe status: "));
}

// clang-format off
void TestActions::factoryDefault_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("box");
    QTest::addColumn<QString>("shown");
    QTest::newRow("done") << "[apfw_factory_reset] Done.\n" << true << "==== SUCCESS ====";
    QTest::newRow("done but Error") << "[apfw_factory_reset] Done.\nError: flash\n" << false
                                    << "==== ERROR ====[apfw_factory_reset] Done.\nError: flash\n";
    QTest::newRow("silent") << "" << false << "==== ERROR ====";
}
// clang-format on

void TestActions::factoryDefault()
{
    QFETCH(QString, output);
    QFETCH(bool, box);
    QFETCH(QString, shown);
    dir->setFault("apfw_factory_reset", {{"stdout", output}});
    const int before = dir->log().size();
    const ActionResult result = actions->factoryDefault(adapter());
    QCOMPARE(dir->calls(), (QList<QStringList>{{interfaceA(), "apfw_factory_reset", "-m", dev1}}));
    QCOMPARE(int(result.report), int(box ? ActionResult::Report::Message : ActionResult::Report::ToolReport));
    QCOMPARE(result.text, shown);
    const QStringList log = logSince(before);
    QCOMPARE(log.first(), "Emitting pwlctl.exe " + interfaceA() + " apfw_factory_reset -m " + dev1);
    QVERIFY(log.last().startsWith("Finished pwlctl.exe status: "));
}

// clang-format off
void TestActions::upgrade_data()
{
    QTest::addColumn<QString>("image"); // the file chosen
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("oldHfid");
    QTest::addColumn<int>("awayCalls"); // how many commands the adapter does not answer after new firmware
    QTest::addColumn<QJsonObject>("writeFault");
    QTest::addColumn<QStringList>("subcommands"); // after the upgrade, before the scan
    QTest::addColumn<QString>("told");            // the box's text, or the result window's start
    // The adapter's user HFID afterwards; the stand-in's faults change only what it reports.
    QTest::addColumn<QString>("newHfid");
    const QString upgraded = "PL500_FW2.01b03_FWDate_Jun 30 2016";
    const QStringList keep{"get_hfid", "set_hfid", "apcm_sta_restart"};
    QTest::newRow("adapter back after a while: asked again")
        << firmware << true << userHfid << 1 << QJsonObject() << QStringList(QStringList{"get_hfid"} + keep)
        << "==== SUCCESS ====" << "Kitchen_" + upgraded;
    // Asked at once, then every second until 2.5 s after the upgrade.
    QTest::newRow("adapter not back in time: not renamed, the user told")
        << firmware << true << userHfid << 100 << QJsonObject() << QStringList{"get_hfid", "get_hfid", "get_hfid", "get_hfid"}
        << "==== ERROR ====\nThe adapter's name \"Kitchen\" could not be restored: it did not report its new HFID "
           "within 2 seconds of the upgrade.\n[get_hfid] Error: no device " + dev1 << upgraded;
    QTest::newRow("name too long: the prefix shortened")
        << firmware << true << "Living room upstairs by the TV_PL500_FW1.02b05_FWDate_Jan 15 2014" << 0 << QJsonObject() << keep
        << "==== SUCCESS ====\nThe adapter's name was too long for its new firmware and was shortened to "
           "\"Living room upstairs by the T_" + upgraded + "\"."
        << "Living room upstairs by the T_" + upgraded;
    QTest::newRow("name not kept: a factory default after the upgrade")
        << firmware << false << userHfid << 0 << QJsonObject() << QStringList{"apfw_factory_reset"}
        << "==== SUCCESS ====" << upgraded;
    QTest::newRow("not firmware: the tool's error, the adapter untouched")
        << "garbage.pwfw" << true << userHfid << 0 << QJsonObject() << QStringList()
        << "==== ERROR ====\n[upgrade_ggl] Error: garbage.pwfw: not a firmware image\n" << userHfid;
    const QString umlauts = QString(20, QChar(0xfc)); // two bytes each
    QTest::newRow("multi-byte prefix: cut between characters")
        << firmware << true << umlauts + "_PL500_FW1.02b05_FWDate_Jan 15 2014" << 0 << QJsonObject() << keep
        << "==== SUCCESS ====\nThe adapter's name was too long" << umlauts.left(14) + "_" + upgraded;
    for (const auto &fault : {QJsonObject{{"crash", true}}, QJsonObject{{"exitCode", 3}},
                              QJsonObject{{"stdout", "[set_hfid] Error: flash full\n"}}}) {
        QTest::newRow(qPrintable("write fails: " + QJsonDocument(fault).toJson(QJsonDocument::Compact)))
            << firmware << true << userHfid << 0 << fault << QStringList(keep.mid(0, 2))
            << "==== ERROR ====\nThe adapter's name \"Kitchen_" + upgraded + "\" could not be written." << QString();
    }
}
// clang-format on

void TestActions::upgrade()
{
    QFETCH(QString, image);
    QFETCH(bool, keep);
    QFETCH(QString, oldHfid);
    QFETCH(int, awayCalls);
    QFETCH(QJsonObject, writeFault);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, told);
    QFETCH(QString, newHfid);
    selectAdapter(oldHfid);
    dir->setSetting("awayCallsAfterUpgrade", awayCalls);
    if (!writeFault.isEmpty())
        dir->setFault("set_hfid", writeFault);
    QFile garbage("garbage.pwfw");
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not firmware") == 12);
    garbage.close();

    ActionResult result = actions->upgradeFirmware(adapter(), QFileInfo(image).absoluteFilePath(), keep);

    // After every attempt, a scan.
    QCOMPARE(this->subcommands(), QStringList{"upgrade_ggl"} + subcommands + QStringList{"discover_list"});
    QVERIFY(result.rescanned);
    const bool box = told.startsWith("==== SUCCESS ====");
    QCOMPARE(int(result.report), int(box ? ActionResult::Report::Message : ActionResult::Report::ToolReport));
    QVERIFY2(result.text.replace(dir->path() + "/", "").startsWith(told), qPrintable(result.text));
    if (!newHfid.isNull())
        QCOMPARE(dir->adapter(dev1).value("userHfid").toString(), newHfid);
    // Every try is a run of its own in the log, a second after the one before, the last one
    // no later than 2.5 s after the upgrade.
    const int tries = subcommands.count("get_hfid");
    QCOMPARE(dir->log().filter(" get_hfid manufacturer -m ").size(), tries);
    QCOMPARE(host.pauses.size(), qMax(0, tries - 1));
    QVERIFY(host.clock <= 2500);
}

// clang-format off
void TestActions::restart_data()
{
    QTest::addColumn<int>("awayCalls"); // how many commands the adapter does not answer after its restart
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QList<qint64>>("pauses"); // before each get_hfid
    QTest::addColumn<QString>("told");         // the box's text, or the result window's
    QTest::newRow("adapter back at the second try") << 1 << QJsonObject() << QList<qint64>{1000, 1000}
                                                    << "==== SUCCESS ====\nThe adapter restarted and answers again.";
    QTest::newRow("adapter not back in time")
        << 100 << QJsonObject() << QList<qint64>{1000, 1000, 500}
        << "==== ERROR ====\nThe adapter did not answer within 2 seconds of its restart.\n"
           "[get_hfid] Error: no device " + dev1 + " answers on interface " + interfaceA() + "\n";
    QTest::newRow("restart refused")
        << 0 << QJsonObject{{"exitCode", 3}, {"stdout", "[apcm_sta_restart] Error: busy\n"}} << QList<qint64>()
        << "==== ERROR ====\nThe adapter could not be restarted.\n[apcm_sta_restart] Error: busy\n";
}
// clang-format on

void TestActions::restart()
{
    QFETCH(int, awayCalls);
    QFETCH(QJsonObject, fault);
    QFETCH(QList<qint64>, pauses);
    QFETCH(QString, told);
    dir->setSetting("awayCallsAfterRestart", awayCalls);
    if (!fault.isEmpty())
        dir->setFault("apcm_sta_restart", fault);
    const QJsonObject before = dir->adapter(dev1);
    const ActionResult result = actions->restart(adapter());

    const QList<QStringList> calls = dir->calls();
    QCOMPARE(calls.first(), (QStringList{interfaceA(), "apcm_sta_restart", "-m", dev1}));
    const int asked = calls.count({interfaceA(), "get_hfid", "manufacturer", "-m", dev1});
    QCOMPARE(asked, pauses.size());
    QCOMPARE(host.pauses, pauses);
    QCOMPARE(calls.size(), 1 + asked); // no scan, no reset
    const QStringList log = dir->log();
    QCOMPARE(log.filter(" apcm_sta_restart -m ").size(), 1);
    QVERIFY(log.contains("[apcm_sta_restart] restarting " + dev1) || !fault.isEmpty());
    QCOMPARE(result.report == ActionResult::Report::Message, told.startsWith("==== SUCCESS"));
    QCOMPARE(result.text, told);
    // The adapter keeps its name, its password and every other setting.
    QJsonObject after = dir->adapter(dev1);
    after.remove("awayUntil");
    after.remove("awayCalls");
    QCOMPARE(after, before);
}

void TestActions::simpleConnect_data()
{
    QTest::addColumn<int>("failedStarts");
    QTest::addColumn<int>("runs");
    QTest::newRow("first attempt") << 0 << 2;
    QTest::newRow("third attempt") << 2 << 4;
    QTest::newRow("never") << 100 << 6;
}

void TestActions::simpleConnect()
{
    QFETCH(int, failedStarts);
    QFETCH(int, runs);
    // The randomize run prints the success marker too: it must not count.
    const QString randomize = "  [apcm_uke_cmd] randomize\n[apcm_uke_cmd] action SUCCESS.\n\n";
    dir->setFault("apcm_uke_cmd randomize", {{"stdout", randomize}});
    if (failedStarts)
        dir->setFault("apcm_uke_cmd start",
                      {{"stdout", "[apcm_uke_cmd] action success.\n"}, {"runs", failedStarts}});
    const int before = dir->log().size();
    const ActionResult result = actions->simpleConnect(adapter());

    const QList<QStringList> calls = dir->calls();
    QCOMPARE(calls.size(), runs);
    QCOMPARE(calls.first(), (QStringList{interfaceA(), "apcm_uke_cmd", "randomize", "-m", dev1}));
    QCOMPARE(calls.last(), (QStringList{interfaceA(), "apcm_uke_cmd", "start", "-m", dev1}));
    const QStringList log = logSince(before);
    QCOMPARE(log.count("Emitting pwlctl.exe " + interfaceA() + " apcm_uke_cmd start -m " + dev1), runs - 1);
    QVERIFY(log.last().startsWith("Finished"));
    QCOMPARE(int(result.report), int(ActionResult::Report::ToolReport));
    if (runs < 6)
        QCOMPARE(result.text, randomize);
    else
        QCOMPARE(result.text, "==== ERROR ====\n" + randomize + "[apcm_uke_cmd] action success.\n");
}

// clang-format off
void TestActions::changeKey_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("shown"); // its beginning
    QTest::newRow("blanks inside and at both ends") << "  my home network  " << QJsonObject() << "[set_npw] Done.\n";
    // The log and the window hold what the tool printed, the password masked wherever it stands.
    QTest::newRow("the tool repeats the password")
        << "Geheim Passwort 123"
        << QJsonObject{{"stdout", "[set_npw] Error: the adapter refused the network password 'Geheim Passwort 123'\n"},
                       {"exitCode", 1}}
        << "[set_npw] Error: the adapter refused the network password '********'\n";
}
// clang-format on

void TestActions::changeKey()
{
    QFETCH(QString, password);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, shown);
    if (!fault.isEmpty())
        dir->setFault("set_npw", fault);
    const ActionResult result = actions->changeKey(adapter(), password);
    QCOMPARE(dir->calls(),
             (QList<QStringList>{{interfaceA(), "set_npw", password, "secure", "set_key", "-m", dev1}}));
    QCOMPARE(int(result.report), int(ActionResult::Report::ToolReport));
    QVERIFY2(result.text.startsWith(shown), qPrintable(result.text));
    const QStringList log = dir->log();
    QVERIFY(
        log.contains("Emitting pwlctl.exe " + interfaceA() + " set_npw ******** secure set_key -m " + dev1));
    QVERIFY(!dir->logBytes().contains(password.toUtf8()));
    if (fault.isEmpty()) {
        QCOMPARE(dir->adapter(dev1).value("password").toString(), password);
        QVERIFY(result.text.endsWith("[set_key] Done.\n")); // as printed, trailing line feed included
    } else {
        QVERIFY(log.contains(shown.trimmed()));
    }
}

// clang-format off
void TestActions::rename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("awayCalls"); // how many commands the adapter does not answer after its restart
    QTest::addColumn<QJsonObject>("faults"); // per subcommand
    QTest::addColumn<QStringList>("subcommands");
    QTest::addColumn<QString>("told"); // the box's text, or the result window's start
    // The adapter's user HFID afterwards; the stand-in's faults change only what it reports.
    QTest::addColumn<QString>("newHfid");
    const QStringList all{"get_hfid", "set_hfid", "apcm_sta_restart", "get_hfid", "discover_list"};
    const QJsonObject none;
    QTest::newRow("the same name: nothing run") << "Kitchen" << 0 << none << QStringList()
        << "The adapter's name is \"Kitchen\" already: the name is unchanged, and nothing was run." << userHfid;
    QTest::newRow("a name set, the rescan showing it") << "Living room" << 0 << none << all
        << "==== SUCCESS ====\nThe adapter's name is now \"Living room\"." << "Living room_" + factoryHfid;
    QTest::newRow("the name removed") << "" << 0 << none << all
        << "==== SUCCESS ====\nThe adapter has no name now." << factoryHfid;
    QTest::newRow("a name with an umlaut refused, nothing run") << QString::fromUtf8("K\xc3\xbc" "che") << 0 << none << QStringList()
        << QString::fromUtf8("==== ERROR ====\nThe name cannot hold \"\xc3\xbc\" (U+00FC)") << userHfid;
    // The manufacturer HFID takes 34 of the 64 bytes, and the "_" one more.
    QTest::newRow("a name too long refused, nothing run") << QString(30, 'n') << 0 << none << QStringList()
        << "==== ERROR ====\nThe name is too long: this adapter takes a name of at most 29 characters." << userHfid;
    QTest::newRow("a manufacturer HFID longer than the scan showed: nothing written")
        << "Living room" << 0 << QJsonObject{{"get_hfid", QJsonObject{{"stdout", "hfid: " + QString(60, 'M')}}}}
        << QStringList{"get_hfid"}
        << "==== ERROR ====\nThe name is too long: this adapter takes a name of at most 3 characters.\nNothing was written."
        << userHfid;
    QTest::newRow("get_hfid without an answer: nothing written")
        << "Den" << 0 << QJsonObject{{"get_hfid", QJsonObject{{"stdout", "[get_hfid] busy\n"}}}} << QStringList{"get_hfid"}
        << "==== ERROR ====\nThe adapter did not give its HFID, so nothing was written.\n[get_hfid] busy\n" << userHfid;
    QTest::newRow("a refused write") << "Den" << 0
        << QJsonObject{{"set_hfid", QJsonObject{{"exitCode", 1}, {"stdout", "[set_hfid] Error: flash full\n"}}}}
        << QStringList{"get_hfid", "set_hfid"}
        << "==== ERROR ====\nThe adapter's name \"Den\" could not be written.\n[set_hfid] Error: flash full\n" << QString();
    // Asked after 1 s, 2 s and 2.5 s; no scan without the adapter.
    QTest::newRow("the adapter not back in time") << "Den" << 100 << none
        << QStringList{"get_hfid", "set_hfid", "apcm_sta_restart", "get_hfid", "get_hfid", "get_hfid"}
        << "==== ERROR ====\nThe adapter's new name was written.\nThe adapter did not answer within 2 seconds of its restart."
        << "Den_" + factoryHfid;
    QTest::newRow("the rescan showing another name") << "Den" << 1
        << QJsonObject{{"discover_list", QJsonObject{{"stdout", "[discover_list] device " + dev1 + " at X interface e hfid: Hall_" + factoryHfid + "\n"}}}}
        << QStringList{"get_hfid", "set_hfid", "apcm_sta_restart", "get_hfid", "get_hfid", "discover_list"}
        << "==== ERROR ====\nThe adapter's new name was written.\nAfter its restart the adapter reports the name \"Hall\" (HFID \"Hall_"
        << "Den_" + factoryHfid;
}
// clang-format on

void TestActions::rename()
{
    QFETCH(QString, name);
    QFETCH(int, awayCalls);
    QFETCH(QJsonObject, faults);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, told);
    QFETCH(QString, newHfid);
    dir->setSetting("awayCallsAfterRestart", awayCalls);
    for (auto fault = faults.begin(); fault != faults.end(); ++fault)
        dir->setFault(fault.key(), fault.value().toObject());
    const int before = dir->log().size();
    const ActionResult result = actions->rename(adapter(), name);

    QCOMPARE(this->subcommands(), subcommands);
    if (!newHfid.isNull())
        QCOMPARE(dir->adapter(dev1).value("userHfid").toString(), newHfid);
    const bool box = !told.startsWith("==== ERROR ====");
    QCOMPARE(result.report == ActionResult::Report::Message, box);
    QCOMPARE(result.succeeded, box);
    QVERIFY2(result.text.startsWith(told), qPrintable(result.text));
    // Once a name was written, the report is in the log before anyone reads it.
    QCOMPARE(dir->log().join('\n').contains("Rename report: " + told.section('\n', 0, 1)),
             subcommands.contains("set_hfid"));
    // Every run with its records; a refused name leaves no record at all.
    const QStringList log = logSince(before);
    QCOMPARE(log.filter(QRegularExpression("^Emitting pwlctl.exe ")).size(), subcommands.size());
    QCOMPARE(log.filter(QRegularExpression("^Finished pwlctl.exe status: ")).size(), subcommands.size());
    QCOMPARE(result.rescanned, subcommands.contains("discover_list"));
    // After a rescan the list and the selection hold the adapter as it reports itself now:
    // under its new name when the box says so.
    const QString selected = result.rescanned ? session->devices().last().hfid : userHfid;
    QCOMPARE(session->selectedDevice().hfid, selected);
    QCOMPARE(extractHfidPrefix(selected) == name, box);
}

// clang-format off
// Every text of Tandrel's in capitals, as a catalogue of another language would show it; %n
// stays what it is. The empty context, which no catalogue has, stays English.
class CapitalsTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!*context)
            return QString();
        return QString::fromUtf8(source).toUpper().replace(QLatin1String("%N"), QLatin1String("%n"));
    }
};

// clang-format off
void TestActions::reportsLoggedInEnglish_data()
{
    QTest::addColumn<QString>("name");   // the new name; null: a restart
    QTest::addColumn<int>("awayCalls");  // how many commands the adapter does not answer after its restart
    QTest::addColumn<QString>("logged"); // the report's first lines, in English
    QTest::newRow("restart") << QString() << 1
        << "Restart report: ==== SUCCESS ====\nThe adapter restarted and answers again.";
    QTest::newRow("restart, the adapter not back") << QString() << 100
        << "Restart report: ==== ERROR ====\nThe adapter did not answer within 2 seconds of its restart.";
    QTest::newRow("rename") << "Den" << 1 << "Rename report: ==== SUCCESS ====\nThe adapter's name is now \"Den\".";
    QTest::newRow("rename, the adapter not back") << "Den" << 100
        << "Rename report: ==== ERROR ====\nThe adapter's new name was written.";
    QTest::newRow("name removed, the adapter not back") << "" << 100
        << "Rename report: ==== ERROR ====\nThe adapter's name was removed.";
}
// clang-format on

void TestActions::reportsLoggedInEnglish()
{
    QFETCH(QString, name);
    QFETCH(int, awayCalls);
    QFETCH(QString, logged);
    if (name.isEmpty() && !name.isNull())
        selectAdapter("Den_" + factoryHfid);
    dir->setSetting("awayCallsAfterRestart", awayCalls);
    CapitalsTranslator capitals;
    QCoreApplication::installTranslator(&capitals);
    const ActionResult result = name.isNull() ? actions->restart(adapter()) : actions->rename(adapter(), name);
    QCoreApplication::removeTranslator(&capitals);

    // The user reads the report in the language shown; the log has it in English.
    const QString english = logged.section(QLatin1String(" report: "), 1);
    QVERIFY2(result.text.startsWith(english, Qt::CaseInsensitive), qPrintable(result.text));
    QVERIFY2(!result.text.startsWith(english), qPrintable(result.text));
    QVERIFY2(dir->log().join('\n').contains(logged), qPrintable(result.text));
}

void TestActions::networkPassword_data()
{
    QTest::addColumn<QStringList>("adapters"); // as selectInNetwork takes them; 1>1 names itself
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("everyAdapter");
    QTest::addColumn<QString>("away");      // the adapter that answers no command, for awayCalls commands
    QTest::addColumn<int>("attempts");      // of the same change; what is told is that of all of them
    QTest::addColumn<QStringList>("runs");  // subcommand and adapter
    QTest::addColumn<QStringList>("told");  // lines of the result, in order
    QTest::addColumn<QStringList>("foundAfter");
    const QStringList network{"2>1", "1>1", "3>1"};
    const QString office = "- Office (02:1A:7E:00:00:02): ", den = "- Den (02:1A:7E:00:00:03): ";
    const QString livingRoom = "- Living room (02:1A:7E:00:00:01), the adapter this computer is connected through: ";
    const QString again = "found again with the new password";
    const QString unknown = "Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.";
    QTest::newRow("every adapter: the others first, the computer's last, then a scan")
        << network << "2" << true << "" << 1 << QStringList{"discover_list", "set_npw 2", "set_npw 3", "set_npw 1", "discover_list"}
        << QStringList{"==== SUCCESS ====", office + again, den + again, livingRoom + again} << QStringList{"2", "1", "3"};
    // The first one has the new password and has left; the one by the computer keeps the network.
    QTest::newRow("a failure on the second adapter: nothing more runs")
        << network << "2" << true << "3" << 1 << QStringList{"discover_list", "set_npw 2", "set_npw 3"}
        << QStringList{"==== ERROR ====", "Tandrel stopped before the adapter this computer is connected through", office + "new password",
                       den + "failed: [set_npw] Error: no device 02:1A:7E:00:00:03 answers on interface " + interfaceA(),
                       livingRoom + "not tried", "What to do: "}
        << QStringList{"1", "3"};
    QTest::newRow("no adapter names itself: nothing runs") << QStringList{"2>1", "1>2"} << "2" << true << "" << 1
        << QStringList{"discover_list"} << QStringList{"==== ERROR ====", unknown} << QStringList{"2", "1"};
    QTest::newRow("two adapters name themselves: nothing runs") << QStringList{"2>2", "1>1"} << "2" << true << "" << 1
        << QStringList{"discover_list"} << QStringList{"==== ERROR ====", unknown} << QStringList{"2", "1"};
    // Office has the new password from the first attempt and is out of reach; each retry scans
    // first and tries Den, which answers at the third, and the report counts Office throughout.
    const QString failed = "failed: [set_npw] Error: no device 02:1A:7E:00:00:03 answers on interface " + interfaceA();
    const QString earlier = "new password, set by an earlier attempt";
    QTest::newRow("retries after a failure: a scan first, the report true")
        << network << "2" << true << "3" << 3
        << QStringList{"discover_list", "set_npw 2", "set_npw 3", "discover_list", "set_npw 3",
                       "discover_list", "set_npw 3", "set_npw 1", "discover_list"}
        << QStringList{office + "new password", den + failed, livingRoom + "not tried",
                       office + earlier, den + failed, livingRoom + "not tried", "The adapters with the new password have left",
                       "==== SUCCESS ====", office + again, den + again, livingRoom + again}
        << QStringList{"2", "1", "3"};
    QTest::newRow("this adapter only, the computer's: the others gone from the next scan")
        << network << "1" << false << "" << 1 << QStringList{"set_npw 1"}
        << QStringList{"[set_npw] Done.", "This adapter now leaves the network of Office (02:1A:7E:00:00:02) and Den "
                                          "(02:1A:7E:00:00:03) unless they get the same password"}
        << QStringList{"1"};
}
// clang-format on

void TestActions::networkPassword()
{
    QFETCH(QStringList, adapters);
    QFETCH(QString, selected);
    QFETCH(bool, everyAdapter);
    QFETCH(QString, away);
    QFETCH(int, attempts);
    QFETCH(QStringList, runs);
    QFETCH(QStringList, told);
    QFETCH(QStringList, foundAfter);
    selectInNetwork(adapters, away, selected, qMax(1, attempts - 1));

    const QString password = "new network 42";
    ActionResult result;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QString before = result.text;
        result = everyAdapter ? actions->changeKeyOnEveryAdapter(adapter(), password)
                              : actions->changeKey(adapter(), password);
        result.text.prepend(before);
    }
    const QStringList made = runsByAdapter();
    QCOMPARE(made, runs);
    QVERIFY(!dir->logBytes().contains(password.toUtf8()));
    QVERIFY(!result.text.contains(password));
    // What became of every adapter is read whole; the tool's words on one, or a refusal, as any report.
    QCOMPARE(result.report == ActionResult::Report::FullReport,
             everyAdapter && !runs.filter(QRegularExpression("^set_npw")).isEmpty());
    QVERIFY(!result.text.contains("No adapter was changed"));
    // Each adapter's outcome in the log as soon as it is known.
    if (everyAdapter && runs.contains("set_npw 3")) {
        const QString denRecord = "Network password on every adapter: Den (02:1A:7E:00:00:03): ";
        QCOMPARE(dir->log().filter(denRecord).size(), runs.count("set_npw 3") + int(result.succeeded));
    }
    int from = 0;
    for (const QString &line : told) {
        from = result.text.indexOf(line, from);
        QVERIFY2(from >= 0, qPrintable(line + "\n--- not in ---\n" + result.text));
    }

    // What the network is now, as the next scan finds it.
    session->scanDevices();
    QStringList found;
    for (const DeviceRecord &device : session->devices())
        found << device.address.right(1);
    QCOMPARE(found, foundAfter);
}

// clang-format off
void TestActions::upgradeEveryAdapter_data()
{
    QTest::addColumn<QStringList>("adapters"); // as selectInNetwork takes them
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("away");      // the adapter that answers no command, once; "name": a set_hfid fails
    QTest::addColumn<QStringList>("order"); // the adapters of the model in the order of the upgrade
    QTest::addColumn<QStringList>("runs");  // subcommand and adapter
    QTest::addColumn<QStringList>("told");  // lines of the result, in order
    const auto kept = [](const QString &n) {
        return QStringList{"upgrade_ggl " + n, "get_hfid " + n, "set_hfid " + n, "apcm_sta_restart " + n};
    };
    const QStringList network{"2>1", "1>1", "4>1:PL1200E", "3>1"};
    const QString office = "- Office (02:1A:7E:00:00:02): ", den = "- Den (02:1A:7E:00:00:03): ";
    const QString livingRoom = "- Living room (02:1A:7E:00:00:01), the adapter this computer is connected through: ";
    const QString keptLine = "upgraded from firmware 1.02 to 2.01, its name kept";
    QTest::newRow("every adapter of the model: the others first, the computer's last, then a scan")
        << network << "2" << true << "" << QStringList{"2", "3", "1"}
        << QStringList(kept("2") + kept("3") + kept("1") + QStringList{"get_hfid 1", "discover_list"})
        << QStringList{"==== SUCCESS ====", "The new firmware is on all 3 adapters of this model", office + keptLine,
                       den + keptLine, livingRoom + keptLine};
    QTest::newRow("a failure on the second: nothing more runs, each adapter's state told")
        << network << "2" << false << "3" << QStringList{"2", "3", "1"}
        << QStringList{"upgrade_ggl 2", "apfw_factory_reset 2", "upgrade_ggl 3", "get_hfid 2", "discover_list"}
        << QStringList{"==== ERROR ====", "stopped at Den (02:1A:7E:00:00:03)", "Tandrel stopped before the adapter this computer",
                       office + "upgraded from firmware 1.02 to 2.01 and reset to its factory defaults",
                       den + "the upgrade failed\n  [upgrade_ggl] Error: no device 02:1A:7E:00:00:03", livingRoom + "not tried",
                       "What to do: "};
    // The firmware is in, but the name is not: that adapter may not be as the user left it.
    QTest::newRow("a name not written back on the first: nothing more runs")
        << network << "2" << true << "name" << QStringList{"2", "3", "1"}
        << QStringList{"upgrade_ggl 2", "get_hfid 2", "set_hfid 2", "discover_list"}
        << QStringList{"==== ERROR ====", "stopped at Office (02:1A:7E:00:00:02)",
                       office + "upgraded from firmware 1.02 to 2.01, its name not kept\n  The adapter's name "
                                "\"Office_PL500_FW2.01b03_FWDate_Jun 30 2016\" could not be written.\n  [set_hfid] Error: flash full",
                       den + "not tried", livingRoom + "not tried"};
    QTest::newRow("no adapter known as this computer's: the selected one last")
        << QStringList{"2>1", "1>2", "3>1"} << "1" << true << "" << QStringList{"2", "3", "1"}
        << QStringList(kept("2") + kept("3") + kept("1") + QStringList{"get_hfid 1", "discover_list"})
        << QStringList{"==== SUCCESS ====", office + keptLine, den + keptLine, "- Living room (02:1A:7E:00:00:01): " + keptLine};
    QTest::newRow("this computer's adapter of another model: the list's order")
        << QStringList{"2>4", "4>4:PL1200E", "3>4", "1>4"} << "3" << false << "" << QStringList{"2", "3", "1"}
        << QStringList{"upgrade_ggl 2", "apfw_factory_reset 2", "upgrade_ggl 3", "apfw_factory_reset 3",
                       "upgrade_ggl 1", "apfw_factory_reset 1", "get_hfid 1", "discover_list"}
        << QStringList{"==== SUCCESS ====", "- Living room (02:1A:7E:00:00:01): upgraded"};
}
// clang-format on

void TestActions::upgradeEveryAdapter()
{
    QFETCH(QStringList, adapters);
    QFETCH(QString, selected);
    QFETCH(bool, keep);
    QFETCH(QString, away);
    QFETCH(QStringList, order);
    QFETCH(QStringList, runs);
    QFETCH(QStringList, told);
    selectInNetwork(adapters, away, selected);
    if (away == "name")
        dir->setFault("set_hfid", {{"stdout", "[set_hfid] Error: flash full\n"}, {"runs", 1}});
    const int before = dir->log().size();

    QStringList steps;
    const ActionResult result = upgradeEveryAdapterOfModel(
        *session, *actions, session->selectedDevice(), firmware, keep,
        [&](int step, int count) { steps << QString::number(step) + "/" + QString::number(count); });
    const QStringList made = runsByAdapter();
    QCOMPARE(made, runs);
    QVERIFY(result.rescanned);
    QCOMPARE(result.succeeded, told.first() == "==== SUCCESS ====");
    int from = 0;
    for (const QString &line : told) {
        from = result.text.indexOf(line, from);
        QVERIFY2(from >= 0, qPrintable(line + "\n--- not in ---\n" + result.text));
    }

    // Each adapter's outcome is logged as soon as it is known: after its runs, before the next one's.
    const int tried = made.filter("upgrade_ggl").size();
    QStringList expected, logged;
    for (int i = 0; i < order.size(); ++i) {
        if (i < tried)
            expected << "upgrade " + order.at(i);
        expected << "outcome " + order.at(i);
    }
    for (const QString &record : logSince(before)) {
        if (record.contains(" upgrade_ggl "))
            logged << "upgrade " + record.right(1);
        else if (record.startsWith("Firmware upgrade "))
            logged << "outcome " + record.section(" (02:1A:7E:00:00:0", 1).left(1);
    }
    QCOMPARE(logged, expected);
    QStringList progress;
    for (int i = 1; i <= tried; ++i)
        progress << QString::number(i) + "/" + QString::number(order.size());
    QCOMPARE(steps, progress);
}

void TestActions::hangingToolsAreEnded()
{
    host.toolsHang = true;
    dir->setFault("apfw_factory_reset", {{"hang", true}, {"stdout", "resetting\n"}});
    dir->setFault("apcm_uke_cmd", {{"hang", true}, {"stdout", "working\n"}});
    QCOMPARE(actions->factoryDefault(adapter()).text, "==== ERROR ====resetting\n");
    QCOMPARE(dir->runningTools(), 0);
    QVERIFY(dir->log().last().endsWith("exitCode=0, exitStatus=0, error=2."));

    actions->simpleConnect(adapter());
    QCOMPARE(dir->runningTools(), 0);
    // Every attempt really ran: none was refused for a late predecessor.
    QCOMPARE(dir->calls().size(), 1 + 6);
    QCOMPARE(dir->log().count("Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=2."), 1 + 6);
}

QTEST_GUILESS_MAIN(TestActions)
#include "tst_actions.moc"
