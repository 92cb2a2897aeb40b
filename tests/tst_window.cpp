// The main window: its form, its life from start to close, its pages and its event log; the
// session as the window shows it (a run, a scan, the selection); the window's pure pieces.
#include "drivenclock.h"
#include "modalanswerer.h"
#include "tooldir.h"
#include "twoadapters.h"
#include "windowprobe.h"

#include "window/actionaccessible.h"
#include "window/busycaptions.h"
#include "window/busyfocus.h"
#include "window/dialogdeviceinfo.h"
#include "window/folderlock.h"
#include "window/language.h"
#include "window/nameprompt.h"
#include "window/networkpasswordprompt.h"
#include "window/screen.h"
#include "window/splash.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplashScreen>
#include <QStackedWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(resources); }
    void init();
    void cleanup();
    void form_data();
    void form();
    void startAndClose();
    void navigation();
    void keyboardSelection_data();
    void keyboardSelection();
    void logCannotBeOpened();
    void logWriteFailures();
    void missingToolAtStart();
    void windowLivesDuringRun();
    void batchFailures();
    void scanState();
    void selectionByClick();
    void selectionOddRows();
    void longRows();
    void folderLock_data();
    void folderLock();
    void halfScreen_data();
    void halfScreen();
    void onScreen_data();
    void onScreen();
    void busyCaptions_data();
    void busyCaptions();
    void standInOwnedByButton();
    void languages_data();
    void languages();

private:
    // The window over two interfaces: dev1 answers through A, dev2 through B.
    void overTwoInterfaces(WindowProbe &p);

    std::unique_ptr<ToolDir> dir;
};

void TestWindow::init()
{
    dir.reset();
    dir = std::make_unique<ToolDir>();
    QVERIFY(dir->isValid());
}

static bool limitFileSize(qint64 bytes);

void TestWindow::cleanup()
{
    limitFileSize(-1);
    installLanguage(QLocale::c());
    // No test leaves a window or a tool behind.
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
    QCOMPARE(dir->runningTools(), 0);
}

// clang-format off
void TestWindow::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    // What a screen reader says of it.
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("description"); // its beginning
    const int button = QAccessible::PushButton, label = QAccessible::StaticText;
    QTest::newRow("label") << "label_4" << "QLabel" << "page_4_1" << "Select &Device:" << true
                           << label << "Select Device:" << "";
    QTest::newRow("scan") << "buttonScan" << "QPushButton" << "page_4_1" << "&Scan" << true
                          << button << "Scan" << "Looks for adapters";
    QTest::newRow("list") << "listDevice" << "QListView" << "page_4_1" << "" << true
                          << int(QAccessible::List) << "Select Device" << "The adapters";
    QTest::newRow("configure") << "buttonConfigure" << "QPushButton" << "page_4_1" << "&Configure >" << false
                               << button << "Configure >" << "Opens";
    QTest::newRow("back") << "buttonBack_5" << "QPushButton" << "page_5" << "&<" << true
                          << button << "Back" << "Back to the device list";
    // Empty until an adapter is selected; the form's text is the template that fills it.
    QTest::newRow("banner") << "labelDeviceBanner" << "QLabel" << "page_5" << "" << true << label << "" << "";
    QTest::newRow("device info") << "buttonShowDeviceInfo" << "QPushButton" << "page_5" << "&Show Device Info" << false
                                 << button << "Show Device Info" << "";
    QTest::newRow("factory default") << "buttonFactoryDefault" << "QPushButton" << "page_5" << "&Factory Default" << true
                                     << button << "Factory Default" << "Resets the adapter";
    QTest::newRow("upgrade") << "buttonFirmwareUpgrade" << "QPushButton" << "page_5" << "Firmware &Upgrade" << true
                             << button << "Firmware Upgrade" << "Writes new firmware";
    QTest::newRow("simple connect") << "buttonSimpleConnect" << "QPushButton" << "page_5" << "Simple &Connect" << true
                                    << button << "Simple Connect" << "Starts pairing";
    QTest::newRow("change key") << "buttonChangeKey" << "QPushButton" << "page_5" << "Change &Key" << true
                                << button << "Change Key" << "Sets the network password";
    QTest::newRow("restart") << "buttonRestart" << "QPushButton" << "page_5" << "&Restart" << true
                             << button << "Restart" << "Starts the adapter again";
    QTest::newRow("rename") << "buttonRename" << "QPushButton" << "page_5" << "Re&name" << true
                            << button << "Rename" << "Gives the adapter a name";
    QTest::newRow("start-up picture") << "startup" << "QSplashScreen" << "" << "" << true
                                      << int(QAccessible::Client) << "Tandrel 1.01b01" << "Looking for adapters...";
    QTest::newRow("result text") << "plainTextEdit" << "QPlainTextEdit" << "" << "" << true
                                 << int(QAccessible::EditableText) << "What pwlctl.exe reported" << "";
    // Change Key's prompt, with the adapter by the computer unknown.
    QTest::newRow("password") << "linePassword" << "QLineEdit" << "" << "" << true
                              << int(QAccessible::EditableText) << "Password" << "8 to 64 characters";
    QTest::newRow("password again") << "linePasswordAgain" << "QLineEdit" << "" << "" << true
                                    << int(QAccessible::EditableText) << "Password again" << "The same password";
    QTest::newRow("every adapter") << "radioEveryAdapter" << "QRadioButton" << "" << "" << false
                                   << int(QAccessible::RadioButton) << "Every adapter found" << "The other adapters first";
    QTest::newRow("this adapter only") << "radioThisAdapter" << "QRadioButton" << "" << "" << true
                                       << int(QAccessible::RadioButton) << "This adapter only" << "The selected adapter";
}
// clang-format on

void TestWindow::form()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, page);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    QFETCH(QString, description);

    Widget window;
    WindowProbe probe(window);
    QSplashScreen picture;
    describeStartupPicture(picture);
    DialogDeviceInfo result(&window);
    NetworkPasswordPrompt prompt(&window, false);
    QWidget *widget = name == "startup"         ? &picture
                      : name == "plainTextEdit" ? result.findChild<QPlainTextEdit *>()
                                                : probe.child(qPrintable(name));
    if (!widget)
        widget = prompt.findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY(widget->inherits(qPrintable(className)));
    QVERIFY(page.isEmpty() || widget->parentWidget()->objectName() == page);
    QCOMPARE(widget->isEnabled(), enabled);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QVERIFY2(description.isEmpty() || accessible->text(QAccessible::Description).startsWith(description),
             qPrintable(accessible->text(QAccessible::Description)));

    // The form's title and the build's version, which the Windows details and the start-up
    // picture show, are one.
    QCOMPARE(window.windowTitle(), "Tandrel " TANDREL_VERSION_TEXT);
    QCOMPARE(window.windowTitle(), "Tandrel 1.01b01");
    QCOMPARE(window.windowModality(), Qt::ApplicationModal);
    QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(80, 80)});
    QVERIFY(QImage(":/rc/rc/arvelo-icon.png").hasAlphaChannel());
    QCOMPARE(probe.child<QLabel>("label_4")->buddy(), probe.child("listDevice"));
    QCOMPARE(probe.child<QStackedWidget>("stackedWidget")->currentWidget(), probe.child("page_4_1"));
    for (const QString &address : localHardwareAddresses())
        QCOMPARE(address.size(), 17);
}

void TestWindow::startAndClose()
{
    QFile old(dir->filePath("Tandrel.log"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("records of an earlier run\n");
    old.close();
    {
        Widget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.session().appendLog("  one\t");
        window.session().appendLog("two\n  continued\n");
        // Every record is in the file while the window still runs.
        QStringList log = dir->log();
        QCOMPARE(log.first(), "==== Tandrel started ====");
        QCOMPARE(log.mid(log.size() - 3), (QStringList{"one", "two", "  continued"}));
        QVERIFY(!dir->logBytes().contains("earlier run"));
        window.close();
    }
    QCOMPARE(dir->log().last(), "==== Tandrel closed ====");
}

void TestWindow::navigation()
{
    dir->writeState(
        {simAdapter("02:1A:7E:00:00:11", interfaceA(), "Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014")});
    Widget window;
    WindowProbe probe(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    probe.session().setLocalAddresses({interfaceA()});
    window.scanDevices();

    auto *list = probe.child<QListView>("listDevice");
    auto *pages = probe.child<QStackedWidget>("stackedWidget");
    QPushButton *configure = probe.button("buttonConfigure");
    QCOMPARE(probe.rows(), QStringList{"02:1A:7E:00:00:11 - Model07"});
    QVERIFY(!configure->isEnabled());
    configure->click(); // disabled: nothing happens
    QCOMPARE(pages->currentWidget(), probe.child("page_4_1"));

    const QRect row = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QVERIFY(configure->isEnabled());
    const QString banner = probe.child<QLabel>("labelDeviceBanner")->text();
    QVERIFY(banner.contains("Name: Model07"));
    // What a screen reader says of the banner: its text, not its markup; the adapter's name
    // first.
    QCOMPARE(QAccessible::queryAccessibleInterface(probe.child("labelDeviceBanner"))->text(QAccessible::Name),
             "Xyz\nName: Model07\nFirmware version: 1.02\nFirmware date: Jan 15 2014");
    // And of the row: its text, then the name and the version that it shows beside it.
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->child(0)->text(QAccessible::Name),
             "02:1A:7E:00:00:11 - Model07, Xyz, firmware 1.02");

    configure->click();
    QCOMPARE(pages->currentWidget(), probe.child("page_5"));
    QVERIFY(!probe.button("buttonShowDeviceInfo")->isVisible());
    // The page is a group named for its adapter, which a screen reader says as the focus enters.
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(probe.child("page_5"));
    QCOMPARE(int(page->role()), int(QAccessible::Grouping));
    QCOMPARE(page->text(QAccessible::Name), "Xyz, model Model07, address 02:1A:7E:00:00:11");
    probe.button("buttonBack_5")->click();
    QCOMPARE(pages->currentWidget(), probe.child("page_4_1"));
    QCOMPARE(probe.child<QLabel>("labelDeviceBanner")->text(), banner);
    const int callsBefore = dir->calls().size();
    configure->click();
    QCOMPARE(pages->currentWidget(), probe.child("page_5"));
    QCOMPARE(dir->calls().size(), callsBefore); // no tool run for a page change
    probe.button("buttonBack_5")->click();

    // A double-click on a row goes straight to the configuration page.
    window.scanDevices();
    QVERIFY(!configure->isEnabled());
    // What a real double-click delivers: press, release, then the double-click event.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(pages->currentWidget(), probe.child("page_5"));
    QVERIFY(!probe.button("buttonShowDeviceInfo")->isVisible());
    window.close();
}

// clang-format off
void TestWindow::keyboardSelection_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("selected"); // the address, or empty for none
    QTest::addColumn<int>("records");      // "selected Device" records
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("current");  // the row that the focus is on at the end, and the next key acts on
    const QString first = "02:1A:7E:00:00:11", second = "12:1A:7E:00:00:22";
    // After a scan the focus is on the first row, not selected: the first Down selects it.
    QTest::newRow("focus alone") << QStringList() << "" << 0 << "page_4_1" << first;
    QTest::newRow("Down, Down, Up") << QStringList{"Down", "Down", "Up"} << first << 3 << "page_4_1" << first;
    QTest::newRow("End, then Down at the last row") << QStringList{"Down", "End", "Down"} << second << 2 << "page_4_1" << second;
    QTest::newRow("typing a first letter") << QStringList{"1"} << second << 1 << "page_4_1" << second;
    QTest::newRow("Return") << QStringList{"Down", "Return"} << first << 2 << "page_5" << first;
    QTest::newRow("Enter on the row after the scan") << QStringList{"Enter"} << first << 1 << "page_5" << first;
    // No event is handled between the keys, as when they queue up behind a busy moment.
    QTest::newRow("Alt+C, Alt+F at once") << QStringList{"Down", "Alt+C", "Alt+F"} << first << 1 << "page_5" << first;
    QTest::newRow("a scan after a selection") << QStringList{"Down", "scan"} << first << 1 << "page_4_1" << first;
    // The row that the focus came back to is the one that Down chooses: none is passed over.
    QTest::newRow("Down after a scan") << QStringList{"Down", "scan", "Down"} << first << 2 << "page_4_1" << first;
    QTest::newRow("a scan without the selected adapter") << QStringList{"Down", "scan without it"} << first << 1 << "page_4_1" << second;
}
// clang-format on

void TestWindow::keyboardSelection()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, selected);
    QFETCH(int, records);
    QFETCH(QString, page);
    QFETCH(QString, current);
    const QJsonObject second =
        simAdapter("12:1A:7E:00:00:22", interfaceA(), "Model08_FW2.00_FWDate_Mar 03 2015");
    dir->writeState(
        {simAdapter("02:1A:7E:00:00:11", interfaceA(), "Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014"), second});
    Widget window;
    WindowProbe probe(window);
    probe.session().setLocalAddresses({interfaceA()});
    window.scanDevices();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *list = probe.child<QListView>("listDevice");
    list->setFocus(Qt::TabFocusReason);
    QVERIFY(list->hasFocus());
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    for (const QString &key : keys) {
        if (key.startsWith("Alt+"))
            QTest::keyClick(&window, key.at(4).toLower().toLatin1(), Qt::AltModifier);
        else if (key.startsWith("scan")) {
            if (key == "scan without it")
                dir->writeState({second});
            window.scanDevices();
        } else if (key.size() == 1)
            QTest::keyClick(list, key.at(0).toLatin1());
        else
            QTest::keyClick(list, Qt::Key(QKeySequence::fromString(key)[0]));
    }
    const QStringList selections = dir->log().filter("selected Device = ");
    QCOMPARE(selections.size(), records);
    if (records)
        QCOMPARE(selections.last(), "selected Device = " + selected);
    QCOMPARE(probe.session().selectedDevice().address, selected);
    QCOMPARE(probe.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(), page);
    QCOMPARE(dir->calls().count({interfaceA(), "apfw_factory_reset", "-m", selected}),
             int(keys.contains("Alt+F")));
    const bool scanned = !keys.isEmpty() && keys.last().startsWith("scan");
    // What the list shows as selected is what Tandrel has selected; a scan asks for a new choice.
    QCOMPARE(probe.button("buttonConfigure")->isEnabled(), !selected.isEmpty() && !scanned);
    const QModelIndexList shown = list->selectionModel()->selectedIndexes();
    QCOMPARE(shown.isEmpty(), selected.isEmpty() || scanned);
    if (!shown.isEmpty())
        QVERIFY(shown.first().data().toString().startsWith(selected));
    if (page == "page_5") {
        // On the first action after Configure, on the one that ran after an action.
        QCOMPARE(window.focusWidget(),
                 probe.button(keys.contains("Alt+F") ? "buttonFactoryDefault" : "buttonRestart"));
        probe.button("buttonBack_5")->click();
    }
    // Back, or after a scan: the focus on the list, on the selected adapter's row where it is
    // listed, else on the first row.
    QCOMPARE(window.focusWidget(), list);
    QVERIFY2(list->currentIndex().data().toString().startsWith(current),
             qPrintable(list->currentIndex().data().toString()));
    window.close();
}

void TestWindow::logCannotBeOpened()
{
    // Even root cannot open a directory as the log file.
    QVERIFY(QDir(dir->path()).mkdir("Tandrel.log"));
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    Widget window;
    QCOMPARE(answerer.seen.size(), 1);
    // Where and why, below the first line.
    const QStringList lines = answerer.seen.first().text.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), "Log file open failed!");
    QCOMPARE(lines.at(1), QDir::toNativeSeparators(dir->filePath("Tandrel.log")));
    QVERIFY(!lines.at(2).isEmpty());
    QCOMPARE(answerer.seen.first().icon, int(QMessageBox::Warning));
    QCOMPARE(answerer.seen.first().title, "Tandrel 1.01b01");
    QCOMPARE(answerer.seen.first().buttons, QStringList{"OK"});
    QVERIFY(!answerer.seen.first().parentVisible);
    // The program goes on: a scan runs the tool once per interface.
    window.session().setLocalAddresses({interfaceA(), interfaceB()});
    window.scanDevices();
    QCOMPARE(dir->calls().size(), 2);
}

// The log's file system fills up and has room again: the file takes at most `bytes` more.
static bool limitFileSize(qint64 bytes)
{
    // Past the limit a write fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes < 0 ? limit.rlim_max : rlim_t(bytes);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

void TestWindow::logWriteFailures()
{
    Widget window;
    WindowProbe probe(window);
    window.show();
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    answerer.press(QMessageBox::Ok);
    const auto wholeRecords = [this] { return dir->logBytes().endsWith('\n'); };
    QStringList written;
    const auto append = [&](const QString &record) {
        window.session().appendLog(record);
        written << record;
    };
    // A record larger than what is held while the file takes none, written whole at once.
    const QString huge(EventLog::holdLimitBytes + 1, 'h');
    window.session().appendLog(huge);
    QCOMPARE(dir->log().last(), huge);

    QVERIFY(limitFileSize(dir->logBytes().size() + 100));
    for (int i = 0; i < 10; ++i) {
        append(QStringLiteral("record %1 ").arg(i) + QString(30, 'x'));
        QVERIFY(wholeRecords());
    }
    // One box, once the event loop turns, however many records fail.
    QTRY_COMPARE(answerer.seen.size(), 1);
    append("one more");
    QCoreApplication::processEvents();
    QCOMPARE(answerer.seen.size(), 1);
    const QStringList lines = answerer.seen.first().text.split('\n');
    QCOMPARE(lines.value(0), "The event log could not be written.");
    QCOMPARE(lines.value(1), QDir::toNativeSeparators(dir->filePath("Tandrel.log")));
    QCOMPARE(lines.value(2), "File too large");
    QCOMPARE(answerer.seen.first().icon, int(QMessageBox::Warning));

    // Room again: every record is there, in order, and nothing is half written.
    QVERIFY(limitFileSize(-1));
    append("room again");
    QStringList log = dir->log();
    QCOMPARE(log.mid(log.size() - written.size()), written);

    // Full again, and more held than the bound: the oldest are given up, and told.
    QVERIFY(limitFileSize(dir->logBytes().size()));
    const QString big(64 * 1024, 'y');
    for (int i = 0; i < 80; ++i)
        window.session().appendLog(QString::number(i) + big);
    QVERIFY(wholeRecords());
    QTRY_COMPARE(answerer.seen.size(), 2); // the log was written again in between
    QVERIFY(limitFileSize(-1));
    window.session().appendLog("room at last");
    log = dir->log();
    const int gap = log.indexOf(
        QRegularExpression("\\d+ records of the event log could not be written and were lost\\."));
    QVERIFY(gap > 0);
    const int lost = log.at(gap).section(' ', 0, 0).toInt();
    QVERIFY2(lost > 16 && lost < 80, qPrintable(log.at(gap)));
    // The records after the gap are the newest ones, in order, then the new one.
    QCOMPARE(log.at(gap + 1), QString::number(lost) + big);
    QCOMPARE(log.at(gap + 80 - lost), QString::number(79) + big);
    QCOMPARE(log.last(), "room at last");
    window.close();
}

void TestWindow::missingToolAtStart()
{
    dir->removeTool();
    ModalAnswerer answerer;
    for (int i = 0; i < 64; ++i)
        answerer.press(QMessageBox::Ok);
    Widget window;
    WindowProbe probe(window);
    probe.session().setLocalAddresses({interfaceA(), interfaceB()});
    const int interfaces = 2;
    window.scanDevices(); // as the program starts, before the window is shown
    QCOMPARE(answerer.seen.size(), interfaces);
    for (const SeenDialog &box : answerer.seen) {
        QCOMPARE(box.text, "Failed to emit pwlctl.exe!");
        QCOMPARE(box.className, "QMessageBox");
        QVERIFY(!box.parentVisible); // shown before the window is
    }
    QVERIFY(probe.rows().isEmpty());
    QVERIFY(!probe.button("buttonConfigure")->isEnabled());
    QVERIFY(probe.button("buttonScan")->isEnabled());
    QVERIFY2(dir->log().count("Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=0.") == interfaces,
             qPrintable(dir->log().join("\n")));
}

void TestWindow::overTwoInterfaces(WindowProbe &p)
{
    dir->writeState({simAdapter(dev1, interfaceA(), hfid1), simAdapter(dev2, interfaceB(), hfid2)});
    p.session().setLocalAddresses({interfaceA(), interfaceB()});
}

void TestWindow::windowLivesDuringRun()
{
    // A factory default: the event loop turns all along, the button is busy and its caption
    // counts the time on the clock that the test moves on, and a click on Scan made meanwhile
    // is dropped.
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    DrivenClock clock;
    window.setActionClock(&clock);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.scanDevices();
    p.clickRow(0);
    p.button("buttonConfigure")->click();
    QPushButton *button = p.button("buttonFactoryDefault");
    const int callsBefore = dir->calls().size();
    QStringList captions, heard;
    bool clicked = false;
    const auto look = [&] {
        captions.append(button->text());
        // Busy until the run ended; its box comes after.
        if (button->isEnabled() && button->text() != "&Factory Default")
            captions.append("enabled");
        // Meanwhile the focus rests on what runs, heard by its action and time, and the other
        // actions are heard as unavailable.
        if (!button->isEnabled()) {
            heard.append(
                QAccessible::queryAccessibleInterface(window.focusWidget())->text(QAccessible::Name));
            if (!QAccessible::queryAccessibleInterface(p.button("buttonRestart"))->state().disabled)
                captions.append("Restart available");
        }
        // What a screen reader says of the button follows its caption.
        if (QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name) !=
            QString(button->text()).remove('&'))
            captions.append("name differs");
    };
    // Each time the loop turns, in the run's wait as well.
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
        look();
        if (!clicked && !button->isEnabled()) {
            // Two seconds into the run, and a click on Scan while the tool runs.
            clock.advance(2000);
            look();
            QTest::mouseClick(p.button("buttonScan"), Qt::LeftButton);
            clicked = true;
        }
    });
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    timer.start();
    button->click();
    timer.stop();
    QCOMPARE(answerer.texts(), QStringList{"==== SUCCESS ===="});
    QVERIFY(clicked);
    QCOMPARE(captions.first(), "Running...");
    QVERIFY(captions.contains("Running... 0:02"));
    QVERIFY(!captions.contains("enabled"));
    QVERIFY(!captions.contains("name differs"));
    QVERIFY(!captions.contains("Restart available"));
    QCOMPARE(heard.first(), "Factory Default: running");
    QVERIFY2(heard.contains("Factory Default: running, 0:02"), qPrintable(heard.join('|')));
    QCOMPARE(heard.filter(QRegularExpression("^Factory Default: running")), heard);
    QCOMPARE(button->text(), "&Factory Default");
    QVERIFY(button->isEnabled());
    QCoreApplication::processEvents();
    QCOMPARE(dir->calls().size(), callsBefore + 1); // the click on Scan neither ran nor came back afterwards
    window.close();
}

void TestWindow::batchFailures()
{
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    DeviceSession &session = p.session();
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    answerer.press(QMessageBox::Ok);
    dir->setFault("discover_list", {{"crash", true}, {"stdout", ""}});
    const int before = dir->log().size();
    session.runToolBatch({discoverA, discoverB, QStringList{interfaceA(), "apsta_info", "-m", dev1}}, 10000);
    QCOMPARE(answerer.texts(), (QStringList{"pwlctl.exe crashed!", "pwlctl.exe crashed!"}));
    QCOMPARE(answerer.seen.first().title, "Tandrel 1.01b01");
    QCOMPARE(answerer.seen.first().className, "QMessageBox");
    const QStringList log = dir->log().mid(before);
    QCOMPARE(log.size(), 6);
    QVERIFY(log.at(3).endsWith("exitStatus=1, error=1."));
    QVERIFY(log.at(5).endsWith("exitCode=0, exitStatus=0, error=5."));
    // A tool that is missing: tst_window's missingToolAtStart.
}

void TestWindow::scanState()
{
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    QListView *list = p.child<QListView>("listDevice");
    QPushButton *scan = p.button("buttonScan");
    QPushButton *configure = p.button("buttonConfigure");
    ModalAnswerer answerer;
    bool listDuring = true, scanDuring = true, configureDuring = true;
    QString captionDuring;
    // A box during the scan is the moment to look at the controls.
    answerer.queue([&](QDialog *box) {
        listDuring = list->isEnabled();
        scanDuring = scan->isEnabled();
        configureDuring = configure->isEnabled();
        captionDuring = scan->text();
        box->accept();
    });
    dir->setFault("discover_list", {{"crash", true}, {"stdout", ""}, {"runs", 1}});
    window.scanDevices();
    QVERIFY(!listDuring && !scanDuring && !configureDuring);
    QCOMPARE(captionDuring, "Running...");
    QCOMPARE(scan->text(), "&Scan");
    QVERIFY(scan->isEnabled() && list->isEnabled());
    // The runs start together, so either one may be the one that crashed.
    QCOMPARE(p.rows().size(), 1);
    const QString survivor = p.session().devices().first().address;

    p.clickRow(0);
    QVERIFY(configure->isEnabled());
    window.scanDevices();
    QVERIFY(!configure->isEnabled()); // a scan always asks for a new selection
    QCOMPARE(p.session().selectedDevice().address, survivor);

    // A scan that finds nothing keeps the interface of the last one that did.
    dir->writeState({});
    window.scanDevices();
    QVERIFY(p.rows().isEmpty());
    QCOMPARE(p.session().interfaceAddress(), interfaceB());
    QVERIFY(!configure->isEnabled());
}

void TestWindow::selectionByClick()
{
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    window.scanDevices();
    QCOMPARE(p.session().interfaceAddress(), interfaceB());
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, dev1);
    QCOMPARE(p.session().selectedDevice().hfid, hfid1);
    QCOMPARE(dir->log().last(), "selected Device = " + dev1);
    // Commands for dev1 go out through A, where it answers, not through B.
    QCOMPARE(p.session().interfaceAddress(), interfaceA());
    window.show();
    p.button("buttonConfigure")->click();
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    p.button("buttonFactoryDefault")->click();
    QCOMPARE(dir->calls().last(), (QStringList{interfaceA(), "apfw_factory_reset", "-m", dev1}));
    QCOMPARE(answerer.texts(), QStringList{"==== SUCCESS ===="});
    window.close();
}

void TestWindow::selectionOddRows()
{
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    // Two records with one address: the later one stays selected.
    dir->writeState({simAdapter(dev1, interfaceA(), "A_M1_FW1_FWDate_Jan 01 2001"),
                     simAdapter(dev1, interfaceB(), "B_M2_FW2_FWDate_Feb 02 2002")});
    window.scanDevices();
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().hfid, "B_M2_FW2_FWDate_Feb 02 2002");
    QCOMPARE(p.session().interfaceAddress(), interfaceB());

    // A row edited in place still selects its adapter: the row, not its text, names it.
    auto *list = p.child<QListView>("listDevice");
    p.clickRow(1);
    list->model()->setData(list->model()->index(1, 0), "nobody - M1");
    p.clickRow(1);
    QCOMPARE(p.session().selectedDevice().hfid, "B_M2_FW2_FWDate_Feb 02 2002");
    QVERIFY(p.child<QLabel>("labelDeviceBanner")->text().contains("Name: M2"));
    QCOMPARE(dir->log().last(), "selected Device = " + dev1);

    // A record without an address is taken, but does not enable Configure.
    const QString empty = "[discover_list] device  at X interface e hfid: E_M3_FW3\n";
    dir->setFault("discover_list", {{"stdout", empty}});
    window.scanDevices();
    QCOMPARE(p.rows(), (QStringList{" - M3", " - M3"}));
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, "");
    QVERIFY(!p.button("buttonConfigure")->isEnabled());
}

void TestWindow::longRows()
{
    Widget window;
    WindowProbe p(window);
    overTwoInterfaces(p);
    // A row, its adapter's name and a banner of megabytes: the model keeps the row whole, the
    // window shows a part, and so does a screen reader.
    const QString model = QString(2 << 20, 'M');
    const QString name = QString(2 << 20, 'N');
    dir->setFault("discover_list", {{"stdout", "[discover_list] device D1 at X interface e hfid: " + name +
                                                   "_" + model + "_FW1.0b1_FWDate_Jan 01 2020\n"}});
    p.session().setLocalAddresses({interfaceA()});
    window.scanDevices();
    QCOMPARE(p.rows(), QStringList{"D1 - " + model});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = p.child<QListView>("listDevice");
    const QModelIndex row = list->model()->index(0, 0);
    QCOMPARE(list->itemDelegate()->sizeHint(QStyleOptionViewItem(), row).width() <
                 list->fontMetrics().horizontalAdvance(QString(4 * maxShownChars, 'M')),
             true);
    const QString heard = QAccessible::queryAccessibleInterface(list)->child(0)->text(QAccessible::Name);
    QVERIFY(heard.startsWith("D1 - MMM") && heard.endsWith(QChar(0x2026) + QString(", firmware 1.0")));
    QVERIFY(heard.size() < 3 * maxShownChars);
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, "D1");
    QVERIFY(p.child<QLabel>("labelDeviceBanner")->text().size() < 3 * maxShownChars);
    // No in-place editor for such a row.
    list->edit(row);
    QVERIFY(!list->findChild<QLineEdit *>());
    window.close();
}

// clang-format off
void TestWindow::folderLock_data()
{
    QTest::addColumn<QString>("owner"); // who left the lock that lies in the folder, or its text
    QTest::addColumn<bool>("taken");
    QTest::newRow("this process's id: a killed Tandrel's, given out again") << "this process" << true;
    QTest::newRow("this process's id, held as a running Tandrel holds it") << "held" << false;
    QTest::newRow("a process that is gone") << "2000000000\nTandrel\n\n" << true;
    QTest::newRow("nothing readable: a start cut short") << "" << true;
    QTest::newRow("another computer, through a shared folder") << "4242\nTandrel\nanother-computer.invalid\n" << false;
}
// clang-format on

void TestWindow::folderLock()
{
    QFETCH(QString, owner);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // This process's lock as a running Tandrel holds it; but for one row, left where no
    // process holds it any more.
    QLockFile running(dir.filePath("Tandrel.lock"));
    QVERIFY(running.tryLock(0));
    QFile file(dir.filePath("Tandrel.lock"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = owner == "this process" ? file.readAll() : owner.toUtf8();
    file.close();
    if (owner != "held") {
        running.unlock();
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
    }
    QLockFile lock(dir.filePath("Tandrel.lock"));
    QCOMPARE(!heldByRunningTandrel(lock), taken);
    QCOMPARE(lock.isLocked(), taken);
}

void TestWindow::halfScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("half");
    QTest::newRow("odd sides truncate") << QRect(0, 0, 1366, 767) << QSize(683, 383);
    QTest::newRow("even") << QRect(0, 0, 1920, 1080) << QSize(960, 540);
    QTest::newRow("second screen") << QRect(1920, 0, 1281, 1025) << QSize(640, 512);
    QTest::newRow("one pixel") << QRect(0, 0, 1, 1) << QSize(0, 0);
}

void TestWindow::halfScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, half);
    QCOMPARE(halfScreenSize(screen), half);
}

// clang-format off
void TestWindow::onScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("position");
    // The available area of a 1920 x 1080 screen with its task bar at the bottom.
    QTest::newRow("fits: stays") << QRect(480, 270, 960, 540) << QPoint(480, 270);
    QTest::newRow("passes the bottom: up") << QRect(480, 270, 960, 920) << QPoint(480, 120);
    QTest::newRow("passes the right: left") << QRect(1500, 0, 960, 540) << QPoint(960, 0);
    QTest::newRow("above and left of the area: in") << QRect(-30, -20, 960, 540) << QPoint(0, 0);
    QTest::newRow("taller than the area: its top on the area") << QRect(480, 270, 960, 1200) << QPoint(480, 0);
}
// clang-format on

void TestWindow::onScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, position);
    QCOMPARE(positionOnScreen(frame, QRect(0, 0, 1920, 1040)), position);
}

// The buttons and labels of a window that show less than their whole text.
static QStringList clipped(QWidget &window)
{
    QStringList found;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) ||
            !(widget->inherits("QAbstractButton") || widget->inherits("QLabel")))
            continue;
        const QSize hint = widget->sizeHint();
        const bool fits = widget->hasHeightForWidth()
                              ? widget->heightForWidth(widget->width()) <= widget->height()
                              : hint.width() <= widget->width() && hint.height() <= widget->height();
        if (!fits)
            found.append(QStringLiteral("%1 %2x%3 in %4x%5")
                             .arg(widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                                 : widget->objectName())
                             .arg(hint.width())
                             .arg(widget->hasHeightForWidth() ? widget->heightForWidth(widget->width())
                                                              : hint.height())
                             .arg(widget->width())
                             .arg(widget->height()));
    }
    return found;
}

// Shown, with its layout done.
static QStringList clippedShown(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {QStringLiteral("not shown")};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return clipped(window);
}

// clang-format off
void TestWindow::languages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("scan");
    QTest::addColumn<QString>("cancel"); // the toolkit's own, in the Change Key prompt
    QTest::newRow("German") << "de_DE" << "de" << "&Suchen" << "Abbrechen";
    QTest::newRow("French") << "fr_FR" << "fr" << "&Rechercher" << "Annuler";
    QTest::newRow("Italian") << "it_IT" << "it" << "&Cerca" << "Annulla";
    QTest::newRow("Spanish") << "es_ES" << "es" << "&Buscar" << "Cancelar";
    QTest::newRow("Dutch") << "nl_NL" << "nl" << "&Zoeken" << "Annuleren";
    QTest::newRow("Polish") << "pl_PL" << "pl" << "&Wyszukaj" << "Anuluj";
    QTest::newRow("Swiss German") << "de_CH" << "de" << "&Suchen" << "Abbrechen";
    // English, and a language Tandrel does not have: the source texts, the toolkit's too.
    QTest::newRow("English") << "en_GB" << "en" << "&Scan" << "Cancel";
    QTest::newRow("Japanese") << "ja_JP" << "en" << "&Scan" << "Cancel";
}
// clang-format on

void TestWindow::languages()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, scan);
    QFETCH(QString, cancel);

    QHash<QString, QString> english;
    {
        Widget window;
        for (QPushButton *button : window.findChildren<QPushButton *>())
            english.insert(button->objectName(), button->text());
    }
    QCOMPARE(installLanguage(QLocale(locale)), language);
    Widget window;
    WindowProbe probe(window);
    QCOMPARE(probe.button("buttonScan")->text(), scan);
    // Every button of both pages in the language shown; "&<" is a sign in every language.
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), english.size());
    for (QPushButton *button : buttons) {
        const bool same = button->text() == english.value(button->objectName());
        QVERIFY2(same == (language == "en" || button->objectName() == "buttonBack_5"),
                 qPrintable(button->text()));
    }
    QCOMPARE(window.windowTitle(), "Tandrel 1.01b01");

    // Nothing clipped: both pages, the result window and the prompts, the Change Key prompt
    // also once it shows a problem.
    auto *pages = probe.child<QStackedWidget>("stackedWidget");
    QCOMPARE(clippedShown(window), QStringList());
    pages->setCurrentWidget(probe.child("page_5"));
    QCOMPARE(clippedShown(window), QStringList());
    window.close();
    DialogDeviceInfo result(nullptr);
    QCOMPARE(clippedShown(result), QStringList());
    result.close();
    NamePrompt name(nullptr, QString(), "Model07_FW1.02b05_FWDate_Jan 15 2014");
    QCOMPARE(clippedShown(name), QStringList());
    name.close();
    for (const bool everyAdapterOffered : {true, false}) {
        NetworkPasswordPrompt prompt(nullptr, everyAdapterOffered);
        auto *box = prompt.findChild<QDialogButtonBox *>();
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), cancel);
        const QStringList shown = clippedShown(prompt);
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(", ")));
        box->button(QDialogButtonBox::Ok)->click();
        QVERIFY(prompt.findChild<QLabel *>("labelProblem")->isVisible());
        QTRY_COMPARE(clipped(prompt), QStringList());
        prompt.close();
    }
}

QTEST_MAIN(TestWindow)
// clang-format off
void TestWindow::busyCaptions_data()
{
    QTest::addColumn<QStringList>("moves"); // the clock moved on (ms), "step N COUNT" or "close"
    QTest::addColumn<QString>("caption");   // the busy button's, at the end
    QTest::addColumn<QStringList>("told");  // what a screen reader was told again, in order
    QTest::newRow("two seconds: the time shown, not told") << QStringList{"2000"}
        << "Running... 0:02" << QStringList();
    QTest::newRow("told every ten seconds") << QStringList{"2000", "8000", "5000", "5000"}
        << "Running... 0:20" << QStringList{"Restart: running, 0:10", "Restart: running, 0:20"};
    QTest::newRow("each step told") << QStringList{"step 1 2", "3000", "step 2 2"}
        << "Running... 2 of 2, 0:03" << QStringList{"Restart: running, 1 of 2", "Restart: running, 2 of 2, 0:03"};
    QTest::newRow("a close request told at once") << QStringList{"3000", "close"}
        << "Running... 0:03, closing when done" << QStringList{"Restart: running, 0:03, closing when done"};
    QTest::newRow("an hour") << QStringList{"3723000"} << "Running... 1:02:03"
        << QStringList{"Restart: running, 1:02:03"};
}
// clang-format on

void TestWindow::busyCaptions()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, caption);
    QFETCH(QStringList, told);
    QPushButton button("&Restart");
    QStringList heard;
    BusyCaptions *captionsOf = nullptr;
    BusyCaptions captions([&] { heard << captionsOf->heardName("&Restart"); });
    captionsOf = &captions;
    DrivenClock clock;
    clock.advance(5000); // the action's time counts from its beginning
    captions.setClock(&clock);
    captions.begin();
    captions.add(&button);
    QCOMPARE(button.text(), "Running...");
    for (const QString &move : moves) {
        const QStringList words = move.split(' ');
        if (words.first() == "step")
            captions.setProgress(words.at(1).toInt(), words.at(2).toInt());
        else if (move == "close")
            captions.setClosing();
        else
            clock.advance(move.toLongLong()); // shown at once
    }
    QCOMPARE(button.text(), caption);
    QCOMPARE(heard, told);
    captions.end();
    captions.giveBack(&button);
    QCOMPARE(button.text(), "&Restart");
}

void TestWindow::standInOwnedByButton()
{
    // Each button's stand-in is its own, kept from one action to the next, named for the action
    // while it stands in, and gone with its button.
    installActionAccessibility();
    QWidget page;
    auto *first = new ActionButton("&First", &page);
    auto *second = new ActionButton("&Second", &page);
    first->setGeometry(10, 10, 80, 30);
    second->setGeometry(10, 50, 80, 30);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    FocusKeeper keeper([](const QString &caption) { return caption + " runs"; });
    keeper.place(first, "&First");
    BusyFocus *standIn = first->busyFocus();
    QVERIFY(standIn->isVisible());
    QCOMPARE(standIn->geometry(), first->geometry());
    QVERIFY(keeper.holdsFocus());
    QCOMPARE(QAccessible::queryAccessibleInterface(standIn)->text(QAccessible::Name), "&First runs");
    QVERIFY(QAccessible::queryAccessibleInterface(standIn)->state().disabled);
    first->move(20, 90); // the layout moves the busy button: the stand-in follows
    QCOMPARE(standIn->geometry(), first->geometry());
    keeper.place(second, "&Second");
    QVERIFY(!standIn->isVisible());
    QVERIFY(second->busyFocus()->isVisible());
    keeper.place(nullptr, QString());
    QVERIFY(!second->busyFocus()->isVisible());
    QVERIFY(!keeper.holdsFocus());
    keeper.place(first, "&First");
    QCOMPARE(first->busyFocus(), standIn);
    keeper.place(nullptr, QString());
    QPointer<BusyFocus> kept = standIn;
    delete first;
    QVERIFY(kept.isNull());
    page.close();
}

#include "tst_window.moc"
