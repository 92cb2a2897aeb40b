// The actions of the configuration page as the window runs them: their questions, boxes and
// result windows, their busy buttons and the focus, through the stand-in tool. What each
// action does to an adapter is tst_actions'.
#include "kitchenadapter.h"
#include "modalanswerer.h"
#include "window/dialogdeviceinfo.h"
#include "tooldir.h"
#include "windowprobe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deviceInfo();
    void factoryDefault_data();
    void factoryDefault();
    void upgradeCancelled();
    void upgradeKeep();
    void upgrade_data();
    void upgrade();
    void upgradeScope_data();
    void upgradeScope();
    void restart();
    void simpleConnect();
    void changeKey_data();
    void changeKey();
    void rename_data();
    void rename();
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

void TestOperations::deviceInfo()
{
    dir->setFault("apsta_info", {{"stdout", "[apsta_info] Done.\nDevice address: X\n"}});
    // Its button is hidden for good; the action is reached the way its click would.
    QVERIFY(QMetaObject::invokeMethod(window.get(), "on_buttonShowDeviceInfo_clicked"));
    QCOMPARE(lastResult(), "==== SUCCESS ====\nDevice address: X");
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
    QTest::newRow("done: a box") << "[apfw_factory_reset] Done.\n" << true << "";
    QTest::newRow("silent: a result window") << "" << false << "==== ERROR ====";
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
    button->setFocus();
    button->click();

    QCOMPARE(dir->calls(), (QList<QStringList>{{interfaceA(), "apfw_factory_reset", "-m", dev1}}));
    // Back on the button that was pressed, once its box or window is answered.
    if (!success)
        results().last()->close();
    QCOMPARE(window->focusWidget(), button);
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
    QTest::addColumn<QStringList>("subcommands"); // after the upgrade, before the rescan
    QTest::addColumn<QString>("told");            // the box's text, or the result window's start
    // A reset with its own busy button and box; back to the list and a rescan all the same.
    QTest::newRow("name not kept: a factory default after the upgrade")
        << firmware << false << QStringList{"apfw_factory_reset"} << "==== SUCCESS ====";
    QTest::newRow("not firmware: the tool's error in a result window")
        << "garbage.pwfw" << true << QStringList() << "==== ERROR ====\n[upgrade_ggl] Error: garbage.pwfw: not a firmware image\n";
}
// clang-format on

void TestOperations::upgrade()
{
    QFETCH(QString, image);
    QFETCH(bool, keep);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, told);
    QFile garbage("garbage.pwfw");
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not firmware") == 12);
    garbage.close();

    ModalAnswerer answerer;
    answerer.chooseFile(QFileInfo(image).absoluteFilePath());
    answerer.press(keep ? QMessageBox::Yes : QMessageBox::No);
    QString resetCaption;
    answerer.queue([&](QDialog *box) {
        resetCaption = probe->button("buttonFactoryDefault")->text();
        box->accept();
    });
    probe->button("buttonFirmwareUpgrade")->click();

    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1);
    QCOMPARE(made, QStringList{"upgrade_ggl"} + subcommands + QStringList{"discover_list"});
    QCOMPARE(currentPage(), probe->child("page_4_1"));
    QCOMPARE(probe->button("buttonFirmwareUpgrade")->text(), "Firmware &Upgrade");
    QVERIFY(probe->button("buttonFirmwareUpgrade")->isEnabled());
    const bool box = told.startsWith("==== SUCCESS ====");
    QCOMPARE(results().isEmpty(), box);
    if (box) {
        QCOMPARE(answerer.texts().last(), told);
        QCOMPARE(resetCaption, "&Factory Default"); // given back before its box
    } else {
        QVERIFY2(lastResult().replace(dir->path() + "/", "").startsWith(told), qPrintable(lastResult()));
    }
}

// clang-format off
void TestOperations::upgradeScope_data()
{
    QTest::addColumn<QString>("beside"); // the HFID of a second adapter, listed after the selected one
    QTest::addColumn<QString>("answer"); // to the question: a key or a button; empty: no question
    QTest::addColumn<QStringList>("runs"); // subcommand and adapter
    QTest::addColumn<QString>("told");
    const QString den = "Den_PL500_FW1.02b05_FWDate_Jan 15 2014";
    const QStringList selectedOnly{"upgrade_ggl 1", "apfw_factory_reset 1", "discover_list"};
    QTest::newRow("another model beside it: no question, the selected adapter alone")
        << "Hall_PL1200E_FW2.00b01_FWDate_Mar 03 2015" << "" << selectedOnly << "==== SUCCESS ====";
    QTest::newRow("another of its model, Return: this adapter only")
        << den << "Return" << selectedOnly << "==== SUCCESS ====";
    QTest::newRow("another of its model, Escape: nothing runs") << den << "Escape" << QStringList() << "";
    // Neither adapter names itself: the selected one last.
    QTest::newRow("another of its model, Upgrade all 2: the other first, one scan")
        << den << "Upgrade &all 2"
        << QStringList{"upgrade_ggl 2", "apfw_factory_reset 2", "upgrade_ggl 1", "apfw_factory_reset 1", "get_hfid 1", "discover_list"}
        << "==== SUCCESS ====\nThe new firmware is on all 2 adapters of this model";
}
// clang-format on

void TestOperations::upgradeScope()
{
    QFETCH(QString, beside);
    QFETCH(QString, answer);
    QFETCH(QStringList, runs);
    QFETCH(QString, told);
    const QString dev2 = "02:1A:7E:00:00:12";
    dir->writeState(
        {simAdapter(dev1, interfaceA(), userHfid, factoryHfid), simAdapter(dev2, interfaceA(), beside)});
    window->scanDevices();
    probe->clickRow(0);
    probe->button("buttonConfigure")->click();
    QFile::remove(dir->filePath("pwlctl-sim.calls"));

    ModalAnswerer answerer;
    answerer.chooseFile(firmware);
    answerer.press(QMessageBox::No);
    if (!answer.isEmpty()) {
        answerer.queue([&](QDialog *box) {
            if (answer == "Return" || answer == "Escape")
                QTest::keyClick(box, answer == "Return" ? Qt::Key_Return : Qt::Key_Escape);
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
                if (button->text() == answer)
                    button->click();
        });
    }
    answerer.press(QMessageBox::Ok);
    probe->button("buttonFirmwareUpgrade")->click();

    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1) + (call.at(1) == "discover_list" ? "" : " " + call.last().right(1));
    QCOMPARE(made, runs);
    if (!answer.isEmpty()) {
        const SeenDialog question = answerer.seen.at(2);
        QCOMPARE(question.text,
                 "The last scan also listed one other adapter of model PL500:\n- Den (" + dev2 +
                     ")\n\nThey can all get this firmware, one at a time, in an order that keeps this "
                     "computer's way to the others: the adapter this computer is connected through last.");
        QCOMPARE(QSet<QString>(question.buttons.begin(), question.buttons.end()),
                 (QSet<QString>{"Upgrade &all 2", "&This adapter only", "Cancel"}));
    } else {
        QCOMPARE(answerer.texts().mid(1, 1), QStringList{"Keep current configuration?"});
    }
    if (told.isEmpty())
        QCOMPARE(currentPage(), probe->child("page_5"));
    else if (results().isEmpty())
        QCOMPARE(answerer.texts().last(), told);
    else
        QVERIFY2(lastResult().startsWith(told), qPrintable(lastResult()));
}

void TestOperations::restart()
{
    ToolLimits limits;
    limits.askAgainMs = 100;
    probe->session().setLimits(limits);
    QPushButton *button = probe->button("buttonRestart");
    QCOMPARE(window->focusWidget(), button); // the first action, where Configure put the focus
    ModalAnswerer answerer;
    QString captionAtBox;
    answerer.queue([&](QDialog *box) {
        captionAtBox = button->text();
        box->accept();
    });
    button->click();
    QCOMPARE(answerer.texts(), QStringList{"==== SUCCESS ====\nThe adapter restarted and answers again."});
    QCOMPARE(captionAtBox, "&Restart");
    QVERIFY(button->isEnabled());
    QCOMPARE(window->focusWidget(), button);
}

void TestOperations::simpleConnect()
{
    probe->button("buttonSimpleConnect")->click();
    QCOMPARE(dir->calls().size(), 2);
    QVERIFY(lastResult().startsWith("[apcm_uke_cmd] randomize: new network key"));
    QCOMPARE(results().last()->size(), QSize(397, 251));
    QCOMPARE(probe->button("buttonSimpleConnect")->text(), "Simple &Connect");
    QVERIFY(probe->button("buttonSimpleConnect")->isEnabled());
}

// clang-format off
void TestOperations::changeKey_data()
{
    QTest::addColumn<QString>("typed"); // null: the prompt is cancelled
    QTest::addColumn<QString>("again");
    // The adapter this computer is connected through is listed, with another one behind it.
    QTest::addColumn<bool>("network");
    QTest::addColumn<QString>("problem"); // what the prompt says, staying open; its beginning
    QTest::addColumn<QStringList>("runs"); // subcommand and adapter
    QTest::addColumn<QStringList>("captions"); // the busy button's during the runs, the time left out
    const QStringList none;
    QTest::newRow("cancel") << QString() << "" << false << "" << none << none;
    QTest::newRow("entries that differ") << "my home network" << "my home netwrok" << true
                                         << "The two entries differ." << none << none;
    // The selected adapter is reached through one that is not listed: only it can be changed.
    QTest::newRow("this adapter only: blanks inside and at both ends")
        << "  my home network  " << "  my home network  " << false << "" << QStringList{"set_npw 11"}
        << QStringList{"Running..."};
    QTest::newRow("every adapter: the other one first, then a scan")
        << "my home network" << "my home network" << true << "" << QStringList{"discover_list", "set_npw 02", "set_npw 01", "discover_list"}
        << QStringList{"Running...", "Running... 1 of 2", "Running... 2 of 2"};
}
// clang-format on

void TestOperations::changeKey()
{
    QFETCH(QString, typed);
    QFETCH(QString, again);
    QFETCH(bool, network);
    QFETCH(QString, problem);
    QFETCH(QStringList, runs);
    QFETCH(QStringList, captions);
    if (network) {
        dir->writeState({simAdapter("02:1A:7E:00:00:02", interfaceA(), "Office_" + factoryHfid),
                         simAdapter("02:1A:7E:00:00:01", interfaceA(), "Living room_" + factoryHfid)});
        window->scanDevices();
        probe->session().select("02:1A:7E:00:00:01");
        QFile::remove(dir->filePath("pwlctl-sim.calls"));
    }
    QPushButton *button = probe->button("buttonChangeKey");
    button->setFocus();
    // The loop turns in each run's wait, where the caption is seen.
    QStringList seenCaptions;
    QTimer look;
    connect(&look, &QTimer::timeout, [&] {
        const QString caption = button->text().remove(QRegularExpression(",? \\d+:\\d\\d"));
        if (seenCaptions.value(seenCaptions.size() - 1) != caption)
            seenCaptions << caption;
    });
    look.start(0);

    ModalAnswerer answerer;
    bool everyChosen = false; // offered, and the default
    QString told;
    answerer.queue([&](QDialog *prompt) {
        everyChosen = prompt->findChild<QRadioButton *>("radioEveryAdapter")->isChecked();
        if (typed.isNull()) {
            prompt->reject();
            return;
        }
        prompt->findChild<QLineEdit *>("linePassword")->setText(typed);
        auto *second = prompt->findChild<QLineEdit *>("linePasswordAgain");
        second->setText(again);
        QTest::keyClick(second, Qt::Key_Return);
        if (prompt->isVisible()) {
            told = prompt->findChild<QLabel *>("labelProblem")->text();
            prompt->reject();
        }
    });
    const QByteArray logBefore = dir->logBytes();
    button->click();
    look.stop();

    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(everyChosen, network);
    QVERIFY2(problem.isEmpty() ? told.isEmpty() : told.startsWith(problem), qPrintable(told));
    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1) + (call.at(1) == "discover_list" ? "" : " " + call.last().right(2));
    QCOMPARE(made, runs);
    QCOMPARE(seenCaptions.mid(1).join(" | "), captions.join(" | ")); // after the caption it had before
    QCOMPARE(button->text(), "Change &Key");
    if (runs.isEmpty()) {
        QCOMPARE(dir->logBytes(), logBefore);
        QVERIFY(results().isEmpty());
        QCOMPARE(window->focusWidget(), button);
        return;
    }
    QVERIFY2(lastResult().startsWith(network ? "==== SUCCESS ====" : "[set_npw] Done.\n"),
             qPrintable(lastResult()));
    // After the scan, the rows anew; the adapter is chosen again before Configure.
    QCOMPARE(probe->rows().size(), network ? 2 : 1);
    QCOMPARE(probe->button("buttonConfigure")->isEnabled(), !network);
    results().last()->close();
    QCOMPARE(window->focusWidget(), button);
}

// clang-format off
void TestOperations::rename_data()
{
    QTest::addColumn<QStringList>("typed"); // into each prompt, then Return; a null string: Escape
    QTest::addColumn<QStringList>("subcommands");
    QTest::newRow("Escape: nothing run, nothing logged") << QStringList{QString()} << QStringList();
    // Asked again with what was typed, unselected: one BackSpace takes the "ü" away.
    QTest::newRow("a name refused, then one BackSpace") << QStringList{QString::fromUtf8("Den\xc3\xbc"), ""}
        << QStringList{"get_hfid", "set_hfid", "apcm_sta_restart", "get_hfid", "discover_list"};
}
// clang-format on

void TestOperations::rename()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, subcommands);
    ToolLimits limits;
    limits.askAgainMs = 100;
    probe->session().setLimits(limits);
    QPushButton *button = probe->button("buttonRename");
    button->setFocus();
    ModalAnswerer answerer;
    QStringList selected; // in each prompt as it opens
    QStringList shown;    // each prompt's text with the cursor as "|"
    for (int i = 0; i < typed.size(); ++i) {
        const QString name = typed.at(i);
        answerer.queue([&selected, &shown, name, i](QDialog *prompt) {
            auto *edit = prompt->findChild<QLineEdit *>();
            selected << edit->selectedText();
            shown << QString(edit->text()).insert(edit->cursorPosition(), '|');
            if (name.isNull()) {
                QTest::keyClick(edit, Qt::Key_Escape);
                return;
            }
            if (i > 0)
                QTest::keyClick(edit, Qt::Key_Backspace);
            edit->insert(name); // as typed, in place of the selected name
            QTest::keyClick(edit, Qt::Key_Return);
        });
        if (i < typed.size() - 1)
            answerer.press(QMessageBox::Ok); // the refusal
    }
    QString captionAtBox;
    answerer.queue([&](QDialog *box) {
        captionAtBox = button->text() + (button->isEnabled() ? "+" : "-");
        box->accept();
    });
    // Each time the loop turns, in the runs' waits as well.
    QStringList busy;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (!button->isEnabled())
            busy << button->text();
    });
    poll.start(0);
    const QByteArray logBefore = dir->logBytes();
    button->click();
    poll.stop();

    QCOMPARE(answerer.seen.first().className, "QInputDialog");
    QCOMPARE(answerer.seen.first().title, "Tandrel 1.01b01");
    QCOMPARE(answerer.seen.first().text,
             "The adapter's new name (an empty name removes it):\n22 characters left.");
    QCOMPARE(selected.first(), "Kitchen"); // typing replaces the current name
    for (int i = 1; i < typed.size(); ++i) { // asked again with what was typed, the cursor at its end
        QCOMPARE(selected.at(i), QString());
        QCOMPARE(shown.at(i), typed.at(i - 1) + "|");
    }
    QStringList made;
    for (const QStringList &call : dir->calls())
        made << call.at(1);
    QCOMPARE(made, subcommands);
    QCOMPARE(window->focusWidget(), button);
    QCOMPARE(button->text(), "Re&name");
    QVERIFY(button->isEnabled());
    QCOMPARE(currentPage(), probe->child("page_5"));
    if (subcommands.isEmpty()) {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(dir->logBytes(), logBefore);
        return;
    }
    QCOMPARE(answerer.seen.at(1).icon, int(QMessageBox::Warning));
    QVERIFY(answerer.seen.at(1).text.startsWith(QString::fromUtf8("The name cannot hold \"\xc3\xbc\"")));
    QCOMPARE(answerer.texts().last(), "==== SUCCESS ====\nThe adapter's name is now \"Den\".");
    QCOMPARE(captionAtBox, "Re&name+");
    QVERIFY(busy.contains("Running..."));
    // The rows again from the rescan, the adapter under its new name; as after every scan,
    // Configure waits for a new choice. The page shows the new name too.
    const QAbstractItemModel *rows = probe->child<QListView>("listDevice")->model();
    QCOMPARE(rows->index(0, 0).data().toString(), dev1 + " - PL500");
    QCOMPARE(rows->index(0, 0).data(DeviceListModel::DetailsRole).toString(), "Den, firmware 1.02");
    QVERIFY(!probe->button("buttonConfigure")->isEnabled());
    QVERIFY(probe->child<QLabel>("labelDeviceBanner")->text().contains("<p><b>Den</b></p>"));
    QCOMPARE(currentPage()->accessibleName(), "Den, model PL500, address " + dev1);
}

// clang-format off
void TestOperations::closeWaitsForAction_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("subcommands"); // an adapter asked again and again counted once
    QTest::addColumn<QString>("captionAtBox");
    // What comes while the first run goes on: the user's close, the system's request to end the
    // session, or that request and then the session's end all the same (Windows ends Tandrel).
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("told");   // the beginning of the box's or the result window's text
    QTest::addColumn<QString>("logged"); // a record of the report
    const QStringList keep{"upgrade_ggl", "get_hfid", "set_hfid", "apcm_sta_restart"};
    const QString success = "==== SUCCESS ====";
    QTest::newRow("factory default") << "buttonFactoryDefault" << QStringList{"apfw_factory_reset"} << "&Factory Default" << "close" << success << "";
    // The rescan at the end is left out: the window closes instead.
    QTest::newRow("firmware upgrade, keeping the name")
        << "buttonFirmwareUpgrade" << keep << "Running..., closing when done" << "close" << success << "";
    // Refused, and not taken for a close: the rescan runs, and Tandrel stays.
    QTest::newRow("firmware upgrade, a session end refused")
        << "buttonFirmwareUpgrade" << QStringList(keep + QStringList{"discover_list"}) << "Running..." << "session end" << success << "";
    QTest::newRow("factory default, the session ended all the same")
        << "buttonFactoryDefault" << QStringList{"apfw_factory_reset"} << "&Factory Default" << "session ended" << success << "";
    // A failure's result window waits to be read before the window closes.
    QTest::newRow("every adapter's password, the computer's failing")
        << "buttonChangeKey" << QStringList{"discover_list", "set_npw", "set_npw"} << "Change &Key" << "close"
        << "==== ERROR ====\nThe new network password could not be set on every adapter."
        << "Network password on every adapter: Living room (02:1A:7E:00:00:01): failed: [set_npw] Error: no device";
    QTest::newRow("rename, the adapter not back")
        << "buttonRename" << QStringList{"get_hfid", "set_hfid", "apcm_sta_restart", "get_hfid"} << "Re&name" << "close"
        << "==== ERROR ====\nThe adapter's new name was written.\nThe adapter did not answer"
        << "Rename report: ==== ERROR ====\nThe adapter's new name was written.\nThe adapter did not answer";
}
// clang-format on

void TestOperations::closeWaitsForAction()
{
    QFETCH(QString, button);
    QFETCH(QStringList, subcommands);
    QFETCH(QString, captionAtBox);
    QFETCH(QString, request);
    QFETCH(QString, told);
    QFETCH(QString, logged);
    ModalAnswerer answerer;
    if (button == "buttonFirmwareUpgrade") {
        answerer.chooseFile(firmware);
        answerer.press(QMessageBox::Yes);
    } else if (button == "buttonChangeKey") {
        // Office takes the password; the adapter this computer is connected through does not answer.
        QJsonObject computers = simAdapter("02:1A:7E:00:00:01", interfaceA(), "Living room_" + factoryHfid);
        computers["awayCalls"] = 1;
        dir->writeState({simAdapter("02:1A:7E:00:00:02", interfaceA(), "Office_" + factoryHfid), computers});
        window->scanDevices();
        probe->session().select("02:1A:7E:00:00:01");
        QFile::remove(dir->filePath("pwlctl-sim.calls"));
        answerer.queue([](QDialog *prompt) {
            prompt->findChild<QLineEdit *>("linePassword")->setText("my home network");
            prompt->findChild<QLineEdit *>("linePasswordAgain")->setText("my home network");
            prompt->accept();
        });
    } else if (button == "buttonRename") {
        dir->setSetting("awayCallsAfterRestart", 100);
        ToolLimits limits;
        limits.askAgainMs = 100;
        limits.adapterBackMs = 300;
        probe->session().setLimits(limits);
        answerer.type("Den");
    }
    dir->setFault(subcommands.first(), {{"delayMs", 1500}, {"runs", 1}});
    QPushButton *const pressed = probe->button(qPrintable(button));
    QString caption;
    answerer.queue([&](QDialog *box) {
        // However long the runs took: the time in the caption is the caption test's.
        caption = pressed->text().remove(QRegularExpression(" \\d+:\\d\\d"));
        box->accept();
    });
    bool asked = false, refused = false, endedCleanly = true;
    // While the first run goes on: its button is busy from just before the run starts, and the
    // loop turns only in its wait.
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        if (asked || pressed->isEnabled())
            return;
        asked = true;
        if (request == "close") {
            window->close();
            return;
        }
        refused = !window->allowSessionEnd();
        if (request == "session ended")
            endedCleanly = window->recordEnd();
    });
    poll.start();
    pressed->click();
    poll.stop();
    QVERIFY(asked);

    QVERIFY2(answerer.texts().last().startsWith(told), qPrintable(answerer.texts().last()));
    QVERIFY(answerer.seen.last().parentVisible);
    QCOMPARE(caption, captionAtBox);
    QStringList made;
    for (const QStringList &call : dir->calls()) {
        if (made.isEmpty() || made.last() != call.at(1) || call.at(1) != "get_hfid")
            made << call.at(1);
    }
    QCOMPARE(made, subcommands);
    QVERIFY(logged.isEmpty() || dir->log().join(QLatin1Char('\n')).contains(logged));
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
