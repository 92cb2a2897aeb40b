// The actions of the configuration page, with their real dialogs, through the stand-in tool.
#include "modalanswerer.h"
#include "operations/dialogdeviceinfo.h"
#include "tooldir.h"
#include "windowprobe.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QtTest>

namespace {
const QString dev1 = QStringLiteral("02:1A:7E:00:00:11");
const QString userHfid = QStringLiteral("Kitchen_PL500_FW1.02b05_FWDate_Jan 15 2014");
const QString factoryHfid = QStringLiteral("PL500_FW1.02b05_FWDate_Jan 15 2014");
const QString firmware = QStringLiteral(TANDREL_FIRMWARE_DIR "/firmware-2.01b03.pwfw");
} // namespace

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deviceInfo_data();
    void deviceInfo();
    void factoryDefault_data();
    void factoryDefault();
    void upgradeCancelled();
    void upgradeKeep();
    void upgrade_data();
    void upgrade();
    void restart_data();
    void restart();
    void simpleConnect_data();
    void simpleConnect();
    void changeKey_data();
    void changeKey();
    void hangingToolsAreEnded();
    void closeWaitsForAction_data();
    void closeWaitsForAction();
    void longResult();

private:
    QStringList logSince(int before) const { return dir->log().mid(before); }
    QList<DialogDeviceInfo *> results() const { return window->findChildren<DialogDeviceInfo *>(); }
    QString lastResult() const
    {
        const auto windows = results();
        return windows.isEmpty() ? QStringLiteral("<none>")
                                 : windows.last()->findChild<QPlainTextEdit *>()->toPlainText();
    }
    QWidget *currentPage() const { return probe->child<QStackedWidget>("stackedWidget")->currentWidget(); }

    std::unique_ptr<ToolDir> dir;
    std::unique_ptr<Widget> window;
    std::unique_ptr<WindowProbe> probe;
};

void TestOperations::init()
{
    window.reset();
    dir.reset();
    dir = std::make_unique<ToolDir>();
    QVERIFY(dir->isValid());
    dir->writeState({simAdapter(dev1, interfaceA(), userHfid, factoryHfid)});
    window = std::make_unique<Widget>();
    probe = std::make_unique<WindowProbe>(*window);
    probe->session().setLocalAddresses({interfaceA()});
    window->scanDevices();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    probe->clickRow(0);
    probe->button("buttonConfigure")->click();
    QCOMPARE(currentPage(), probe->child("page_5"));
    QFile::remove(dir->filePath("pwlctl-sim.calls"));
}

void TestOperations::cleanup()
{
    window.reset(); // and its result windows with it
    QCOMPARE(dir->runningTools(), 0);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
}

// clang-format off
void TestOperations::deviceInfo_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("shown");
    QTest::newRow("report") << "[apsta_info] Done.\nDevice address: X\nUser HFID: Y\n"
                            << "==== SUCCESS ====\nDevice address: X\nUser HFID: Y";
    QTest::newRow("silent tool") << "" << "==== ERROR ====";
}
// clang-format on

void TestOperations::deviceInfo()
{
    QFETCH(QString, output);
    QFETCH(QString, shown);
    dir->setFault("apsta_info", {{"stdout", output}});
    const int before = dir->log().size();
    // Its button is hidden for good; the action is reached the way its click would.
    QVERIFY(QMetaObject::invokeMethod(window.get(), "on_buttonShowDeviceInfo_clicked"));
    QCOMPARE(lastResult(), shown);
    const QStringList log = logSince(before);
    QCOMPARE(log.first(), "Emitting pwlctl.exe " + interfaceA() + " apsta_info -m " + dev1);
    QVERIFY(log.last().startsWith("Finished pwlctl.exe status: "));
    QCOMPARE(probe->button("buttonShowDeviceInfo")->text(), "&Show Device Info");
    QVERIFY(!probe->button("buttonShowDeviceInfo")->isVisible());
    DialogDeviceInfo *result = results().last();
    QVERIFY(result->isVisible() && !result->isModal());
    QCOMPARE(result->windowTitle(), "");
    // A second window beside the first; OK hides one, which lives on with the main window.
    QVERIFY(QMetaObject::invokeMethod(window.get(), "on_buttonShowDeviceInfo_clicked"));
    result->findChild<QPushButton *>("buttonOK")->click();
    QVERIFY(!result->isVisible() && results().last()->isVisible());
    QCOMPARE(results().size(), 2);
}

// clang-format off
void TestOperations::factoryDefault_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("shown");
    QTest::newRow("done") << "[apfw_factory_reset] Done.\n" << true << "";
    QTest::newRow("done but Error") << "[apfw_factory_reset] Done.\nError: flash\n" << false
                                    << "==== ERROR ====[apfw_factory_reset] Done.\nError: flash\n";
    QTest::newRow("silent") << "" << false << "==== ERROR ====";
}
// clang-format on

void TestOperations::factoryDefault()
{
    QFETCH(QString, output);
    QFETCH(bool, success);
    QFETCH(QString, shown);
    dir->setFault("apfw_factory_reset", {{"stdout", output}});
    QPushButton *button = probe->button("buttonFactoryDefault");
    ModalAnswerer answerer;
    QString captionAtBox;
    answerer.queue([&](QDialog *box) {
        captionAtBox = button->text() + (button->isEnabled() ? "+" : "-");
        box->accept();
    });
    const int before = dir->log().size();
    button->setFocus();
    button->click();

    QCOMPARE(dir->calls(), (QList<QStringList>{{interfaceA(), "apfw_factory_reset", "-m", dev1}}));
    // Back on the button that was pressed, once its box or window is answered.
    if (!success)
        results().last()->close();
    QCOMPARE(window->focusWidget(), button);
    const QStringList log = logSince(before);
    QCOMPARE(log.first(), "Emitting pwlctl.exe " + interfaceA() + " apfw_factory_reset -m " + dev1);
    QVERIFY(log.last().startsWith("Finished pwlctl.exe status: "));
    QCOMPARE(button->text(), "&Factory Default");
    QVERIFY(button->isEnabled());
    if (success) {
        QCOMPARE(answerer.texts(), QStringList{"==== SUCCESS ===="});
        QCOMPARE(answerer.seen.first().buttons, QStringList{"OK"});
        QCOMPARE(captionAtBox, "&Factory Default+");
        QVERIFY(results().isEmpty());
    } else {
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(lastResult(), shown);
        QCOMPARE(results().last()->size(), QSize(397, 251));
    }
}

void TestOperations::upgradeCancelled()
{
    ModalAnswerer answerer;
    answerer.cancel();
    const QByteArray log = dir->logBytes();
    probe->button("buttonFirmwareUpgrade")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().className, "QFileDialog");
    QCOMPARE(answerer.seen.first().title, "Tandrel 1.01b01");
    QCOMPARE(dir->logBytes(), log);
    QVERIFY(dir->calls().isEmpty());
    QCOMPARE(currentPage(), probe->child("page_5"));
}

void TestOperations::upgradeKeep()
{
    // A path with blanks reaches the tool as one argument.
    const QString path = dir->filePath("my firmware.pwfw");
    QVERIFY(QFile::copy(firmware, path));
    ModalAnswerer answerer;
    answerer.chooseFile(path);
    answerer.press(QMessageBox::Yes);
    answerer.press(QMessageBox::Ok);
    const int before = dir->log().size();
    probe->button("buttonFirmwareUpgrade")->click();

    QCOMPARE(answerer.texts().mid(1), (QStringList{"Keep current configuration?", "==== SUCCESS ===="}));
    QCOMPARE(answerer.seen.at(1).buttons, (QStringList{"&Yes", "&No"}));
    const QString kept = "Kitchen_PL500_FW2.01b03_FWDate_Jun 30 2016";
    QCOMPARE(dir->calls().mid(0, 4),
             (QList<QStringList>{{interfaceA(), "upgrade_ggl", path, "-m", dev1},
                                 {interfaceA(), "get_hfid", "manufacturer", "-m", dev1},
                                 {interfaceA(), "set_hfid", "user", kept, "-m", dev1},
                                 {interfaceA(), "apcm_sta_restart", "-m", dev1}}));
    const QStringList log = logSince(before);
    const QString finished = "Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=5.";
    QCOMPARE(log.mid(0, 12),
             (QStringList{"Emitting pwlctl.exe " + interfaceA() + " upgrade_ggl " + path + " -m " + dev1,
                          "[upgrade_ggl] writing 65536 bytes of firmware 2.01b03 (Jun 30 2016)",
                          "[upgrade_ggl] Done.", finished,
                          "Emitting pwlctl.exe " + interfaceA() + " get_hfid manufacturer -m " + dev1,
                          "[get_hfid] manufacturer hfid: PL500_FW2.01b03_FWDate_Jun 30 2016", finished,
                          "Emitting pwlctl.exe " + interfaceA() + " set_hfid user " + kept + " -m " + dev1,
                          finished, "Emitting pwlctl.exe " + interfaceA() + " apcm_sta_restart -m " + dev1,
                          "Emitting pwlctl.exe " + interfaceA() + " discover_list -t 2", finished}));

    // Back on the list, rescanned: the adapter kept its name and runs the new firmware.
    QCOMPARE(currentPage(), probe->child("page_4_1"));
    QCOMPARE(probe->session().devices().first().hfid, kept);
    QCOMPARE(probe->button("buttonFirmwareUpgrade")->text(), "Firmware &Upgrade");
    QVERIFY(probe->button("buttonFirmwareUpgrade")->isEnabled());

    // The next dialog opens at the file chosen last.
    probe->button("buttonConfigure")->setEnabled(true);
    probe->button("buttonConfigure")->click();
    answerer.cancel();
    probe->button("buttonFirmwareUpgrade")->click();
    QCOMPARE(answerer.seen.last().text, dir->path());
    QCOMPARE(answerer.seen.last().buttons, QStringList{path});
}

// clang-format off
void TestOperations::upgrade_data()
{
    QTest::addColumn<QString>("image"); // the file chosen
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("oldHfid");
    QTest::addColumn<int>("awayMs");
    QTest::addColumn<QJsonObject>("writeFault");
    QTest::addColumn<QStringList>("subcommands"); // after the upgrade, before the rescan
    QTest::addColumn<QString>("told");            // the box's text, or the result window's start
    // The adapter's user HFID afterwards; the stand-in's faults change only what it reports.
    QTest::addColumn<QString>("newHfid");
    const QString upgraded = "PL500_FW2.01b03_FWDate_Jun 30 2016";
    const QStringList keep{"get_hfid", "set_hfid", "apcm_sta_restart"};
    QTest::newRow("adapter back after a while: asked again")
        << firmware << true << userHfid << 1500 << QJsonObject() << QStringList(QStringList{"get_hfid", "get_hfid"} + keep)
        << "==== SUCCESS ====" << "Kitchen_" + upgraded;
    QTest::newRow("adapter not back in time: not renamed, the user told")
        << firmware << true << userHfid << 60000 << QJsonObject() << QStringList{"get_hfid", "get_hfid", "get_hfid", "get_hfid"}
        << "==== ERROR ====\nThe adapter's name \"Kitchen\" could not be restored" << upgraded;
    QTest::newRow("name too long: the prefix shortened")
        << firmware << true << "Living room upstairs by the TV_PL500_FW1.02b05_FWDate_Jan 15 2014" << 0 << QJsonObject() << keep
        << "==== SUCCESS ====\nThe adapter's name was too long for its new firmware and was shortened to "
           "\"Living room upstairs by the T_" + upgraded + "\"."
        << "Living room upstairs by the T_" + upgraded;
    QTest::newRow("name not kept: a factory default after the upgrade")
        << firmware << false << userHfid << 0 << QJsonObject() << QStringList{"apfw_factory_reset"}
        << "==== SUCCESS ====" << upgraded;
    // No keep runs, but back to the list and a rescan all the same.
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

void TestOperations::upgrade()
{
    QFETCH(QString, image);
    QFETCH(bool, keep);
    QFETCH(QString, oldHfid);
    QFETCH(int, awayMs);
    QFETCH(QJsonObject, writeFault);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, told);
    QFETCH(QString, newHfid);
    dir->writeState({simAdapter(dev1, interfaceA(), oldHfid, factoryHfid)});
    dir->setSetting("awayMsAfterUpgrade", awayMs);
    if (!writeFault.isEmpty())
        dir->setFault("set_hfid", writeFault);
    window->scanDevices();
    probe->clickRow(0);
    ToolLimits limits;
    limits.askAgainMs = 1000;
    limits.adapterBackMs = 2500;
    probe->session().setLimits(limits);

    QFile garbage("garbage.pwfw");
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not firmware") == 12);
    garbage.close();

    ModalAnswerer answerer;
    answerer.chooseFile(QFileInfo(image).absoluteFilePath());
    answerer.press(keep ? QMessageBox::Yes : QMessageBox::No);
    answerer.press(QMessageBox::Ok);
    QFile::remove(dir->filePath("pwlctl-sim.calls"));
    probe->button("buttonConfigure")->click();
    probe->button("buttonFirmwareUpgrade")->click();

    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1);
    QCOMPARE(made, QStringList{"upgrade_ggl"} + subcommands + QStringList{"discover_list"});
    QCOMPARE(currentPage(), probe->child("page_4_1"));
    QCOMPARE(probe->button("buttonFirmwareUpgrade")->text(), "Firmware &Upgrade");
    const bool box = told.startsWith("==== SUCCESS ====");
    QVERIFY2((box ? answerer.texts().last() : lastResult().replace(dir->path() + "/", "")).startsWith(told),
             qPrintable(answerer.texts().last() + " | " + lastResult()));
    QCOMPARE(results().isEmpty(), box);
    if (!newHfid.isNull())
        QCOMPARE(dir->adapter(dev1).value("userHfid").toString(), newHfid);
    // Every try is a run of its own in the log.
    QCOMPARE(dir->log().filter(" get_hfid manufacturer -m ").size(), subcommands.count("get_hfid"));
}

// clang-format off
void TestOperations::restart_data()
{
    QTest::addColumn<int>("awayMs");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QList<int>>("tries"); // get_hfid runs: the least and the most
    QTest::addColumn<QString>("told");     // the box's text, or the result window's
    QTest::newRow("adapter back after 1.5 s") << 1500 << QJsonObject() << QList<int>{2, 3}
                                              << "==== SUCCESS ====\nThe adapter restarted and answers again.";
    QTest::newRow("adapter not back in time")
        << 60000 << QJsonObject() << QList<int>{3, 3}
        << "==== ERROR ====\nThe adapter did not answer within 2 seconds of its restart.\n"
           "[get_hfid] Error: no device " + dev1 + " answers on interface " + interfaceA() + "\n";
    QTest::newRow("restart refused")
        << 0 << QJsonObject{{"exitCode", 3}, {"stdout", "[apcm_sta_restart] Error: busy\n"}} << QList<int>{0, 0}
        << "==== ERROR ====\nThe adapter could not be restarted.\n[apcm_sta_restart] Error: busy\n";
}
// clang-format on

void TestOperations::restart()
{
    QFETCH(int, awayMs);
    QFETCH(QJsonObject, fault);
    QFETCH(QList<int>, tries);
    QFETCH(QString, told);
    dir->setSetting("awayMsAfterRestart", awayMs);
    if (!fault.isEmpty())
        dir->setFault("apcm_sta_restart", fault);
    const QJsonObject before = dir->adapter(dev1);
    ToolLimits limits;
    limits.askAgainMs = 1000;
    limits.adapterBackMs = 2500;
    probe->session().setLimits(limits);
    QPushButton *button = probe->button("buttonRestart");
    QCOMPARE(window->focusWidget(), button); // the first action, where Configure put the focus
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    button->click();

    const QList<QStringList> calls = dir->calls();
    QCOMPARE(calls.first(), (QStringList{interfaceA(), "apcm_sta_restart", "-m", dev1}));
    const int asked = calls.count({interfaceA(), "get_hfid", "manufacturer", "-m", dev1});
    QVERIFY2(asked >= tries.first() && asked <= tries.last(), qPrintable(QString::number(asked)));
    QCOMPARE(calls.size(), 1 + asked); // no scan, no reset
    const QStringList log = dir->log();
    QCOMPARE(log.filter(" apcm_sta_restart -m ").size(), 1);
    QVERIFY(log.contains("[apcm_sta_restart] restarting " + dev1) || !fault.isEmpty());
    QCOMPARE(answerer.texts(), told.startsWith("==== SUCCESS") ? QStringList{told} : QStringList());
    if (!told.startsWith("==== SUCCESS"))
        QCOMPARE(lastResult(), told);
    // The adapter keeps its name, its password and every other setting.
    QJsonObject after = dir->adapter(dev1);
    after.remove("awayUntil");
    QCOMPARE(after, before);
    QCOMPARE(button->text(), "&Restart");
    for (DialogDeviceInfo *result : results())
        result->close();
    QCOMPARE(window->focusWidget(), button);
}

void TestOperations::simpleConnect_data()
{
    QTest::addColumn<int>("failedStarts");
    QTest::addColumn<int>("runs");
    QTest::newRow("first attempt") << 0 << 2;
    QTest::newRow("third attempt") << 2 << 4;
    QTest::newRow("never") << 100 << 6;
}

void TestOperations::simpleConnect()
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
    probe->button("buttonSimpleConnect")->click();

    const QList<QStringList> calls = dir->calls();
    QCOMPARE(calls.size(), runs);
    QCOMPARE(calls.first(), (QStringList{interfaceA(), "apcm_uke_cmd", "randomize", "-m", dev1}));
    QCOMPARE(calls.last(), (QStringList{interfaceA(), "apcm_uke_cmd", "start", "-m", dev1}));
    const QStringList log = logSince(before);
    QCOMPARE(log.count("Emitting pwlctl.exe " + interfaceA() + " apcm_uke_cmd start -m " + dev1), runs - 1);
    QVERIFY(log.last().startsWith("Finished"));
    if (runs < 6)
        QCOMPARE(lastResult(), randomize);
    else
        QCOMPARE(lastResult(), "==== ERROR ====\n" + randomize + "[apcm_uke_cmd] action success.\n");
    QCOMPARE(results().last()->size(), QSize(397, 251));
    QCOMPARE(probe->button("buttonSimpleConnect")->text(), "Simple &Connect");
    QVERIFY(probe->button("buttonSimpleConnect")->isEnabled());
}

void TestOperations::changeKey_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("cancel") << QString();
    QTest::newRow("empty OK") << "";
    QTest::newRow("blanks inside and at both ends") << "  my home network  ";
}

void TestOperations::changeKey()
{
    QFETCH(QString, typed);
    ModalAnswerer answerer;
    if (typed.isNull())
        answerer.cancel();
    else
        answerer.type(typed);
    const QByteArray logBefore = dir->logBytes();
    probe->button("buttonChangeKey")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().className, "QInputDialog");
    QCOMPARE(answerer.seen.first().text, "Enter Password");
    QCOMPARE(answerer.seen.first().title, "");
    QCOMPARE(probe->button("buttonChangeKey")->text(), "Change &Key");
    if (typed.isEmpty()) {
        QCOMPARE(dir->logBytes(), logBefore);
        QVERIFY(dir->calls().isEmpty());
        QVERIFY(results().isEmpty());
        return;
    }
    QCOMPARE(dir->calls(),
             (QList<QStringList>{{interfaceA(), "set_npw", typed, "secure", "set_key", "-m", dev1}}));
    QCOMPARE(dir->adapter(dev1).value("password").toString(), typed);
    const QStringList log = dir->log();
    QVERIFY(
        log.contains("Emitting pwlctl.exe " + interfaceA() + " set_npw ******** secure set_key -m " + dev1));
    QVERIFY(!dir->logBytes().contains("my home network"));
    QVERIFY(lastResult().startsWith("[set_npw] Done.\n"));
    QVERIFY(lastResult().endsWith("[set_key] Done.\n")); // as printed, trailing line feed included
}

void TestOperations::hangingToolsAreEnded()
{
    ToolLimits limits;
    limits.quickMs = 300;
    limits.longMs = 300;
    probe->session().setLimits(limits);
    dir->setFault("apfw_factory_reset", {{"hang", true}, {"stdout", "resetting\n"}});
    dir->setFault("apcm_uke_cmd", {{"hang", true}, {"stdout", ""}});
    ModalAnswerer answerer;
    probe->button("buttonFactoryDefault")->click();
    QCOMPARE(dir->runningTools(), 0);
    QCOMPARE(lastResult(), "==== ERROR ====resetting\n");
    QVERIFY(dir->log().last().endsWith("exitCode=0, exitStatus=0, error=2."));

    probe->button("buttonSimpleConnect")->click();
    QCOMPARE(dir->runningTools(), 0);
    // Every attempt really ran: none was refused for a late predecessor.
    QCOMPARE(dir->calls().size(), 1 + 6);
    QCOMPARE(dir->log().count("Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=2."), 1 + 6);
    QVERIFY(answerer.seen.isEmpty());
}

// clang-format off
void TestOperations::closeWaitsForAction_data()
{
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<QStringList>("subcommands");
    QTest::addColumn<QString>("captionAtBox");
    // What comes while the first run goes on: the user's close, the system's request to end the
    // session, or that request and then the session's end all the same (Windows ends Tandrel).
    QTest::addColumn<QString>("request");
    const QStringList keep{"upgrade_ggl", "get_hfid", "set_hfid", "apcm_sta_restart"};
    QTest::newRow("factory default") << false << QStringList{"apfw_factory_reset"} << "&Factory Default" << "close";
    // The rescan at the end is left out: the window closes instead.
    QTest::newRow("firmware upgrade, keeping the name")
        << true << keep << "Running..., closing when done" << "close";
    // Refused, and not taken for a close: the rescan runs, and Tandrel stays.
    QTest::newRow("firmware upgrade, a session end refused")
        << true << QStringList(keep + QStringList{"discover_list"}) << "Running..." << "session end";
    QTest::newRow("factory default, the session ended all the same")
        << false << QStringList{"apfw_factory_reset"} << "&Factory Default" << "session ended";
}
// clang-format on

void TestOperations::closeWaitsForAction()
{
    QFETCH(bool, upgrade);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, captionAtBox);
    QFETCH(QString, request);
    dir->setFault(subcommands.first(), {{"delayMs", 1500}});
    ModalAnswerer answerer;
    if (upgrade) {
        answerer.chooseFile(firmware);
        answerer.press(QMessageBox::Yes);
    }
    QPushButton *button = probe->button(upgrade ? "buttonFirmwareUpgrade" : "buttonFactoryDefault");
    QString caption;
    answerer.queue([&](QDialog *box) {
        caption = button->text();
        box->accept();
    });
    bool refused = false, endedCleanly = true;
    QTimer::singleShot(500, window.get(), [&] {
        if (request == "close") {
            window->close();
            return;
        }
        refused = !window->allowSessionEnd();
        if (request == "session ended")
            endedCleanly = window->recordEnd();
    });
    button->click();

    QCOMPARE(answerer.texts().last(), "==== SUCCESS ====");
    QVERIFY(answerer.seen.last().parentVisible);
    QCOMPARE(caption, captionAtBox);
    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1);
    QCOMPARE(made, subcommands);
    QCOMPARE(window->isVisible(), request != "close"); // closed once the action was done
    QCOMPARE(refused, request != "close");
    const QString ending = "The session is ending in the middle of a run: pwlctl.exe " + interfaceA() + " " +
                           subcommands.first();
    QCOMPARE(dir->log().filter(ending).size(), int(request == "session ended"));
    QCOMPARE(endedCleanly, request != "session ended");
    // With no action in progress, a session end closes Tandrel at once.
    if (request == "session end") {
        QVERIFY(window->allowSessionEnd());
        QVERIFY(!window->isVisible());
    }
    window.reset();
    QCOMPARE(dir->log().last() == "==== Tandrel closed ====", request != "session ended");
}

void TestOperations::longResult()
{
    // 300,000 bytes of short lines: the window shows their beginning, the log all of them.
    dir->setFault("apfw_factory_reset",
                  {{"stdout", "resetting\n"}, {"floodText", "x\n"}, {"floodBytes", 300000}});
    probe->button("buttonFactoryDefault")->click();
    const QString shown = lastResult();
    QVERIFY(shown.startsWith("==== ERROR ====resetting\nx\n"));
    QVERIFY(shown.endsWith("\nx\n[The output goes on. The whole of it is in Tandrel.log.]"));
    QVERIFY(shown.size() <= 65536 + 60);
    QVERIFY(dir->logBytes().count("\nx\n") > 140000);
    results().last()->findChild<QPushButton *>("buttonOK")->click();
    QVERIFY(!results().last()->isVisible());
}

QTEST_MAIN(TestOperations)
#include "tst_operations.moc"
