// The session: running the tool, scanning and selecting, through the stand-in tool in real
// processes; on its own where nothing is shown, and under the window where something is.
#include "drivenclock.h"
#include "drivenhost.h"
#include "modalanswerer.h"
#include "tooldir.h"
#include "windowprobe.h"

#include "window/rowdelegate.h"
#include "device/discovery.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QtTest>

namespace {
const qint64 smallCap = 100000;
const QString dev1 = QStringLiteral("02:1A:7E:00:00:11");
const QString dev2 = QStringLiteral("02:1A:7E:00:00:12");
const QString hfid1 = QStringLiteral("Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014");
const QString hfid2 = QStringLiteral("PL1200E_FW2.00b01_FWDate_Mar 03 2015");
const QStringList discoverA{interfaceA(), "discover_list", "-t", "2"};
const QStringList discoverB{interfaceB(), "discover_list", "-t", "2"};

// A device-information run for dev1 through interface A.
ToolRun infoRun(int limitMs)
{
    ToolRun run;
    run.arguments = QStringList{interfaceA(), "apsta_info", "-m", dev1};
    run.timeLimitMs = limitMs;
    return run;
}
} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void runTool_data();
    void runTool();
    void windowLivesDuringRun();
    void scanHasOneDeadline();
    void batchFailures();
    void scanOverTwoInterfaces();
    void scanState();
    void selection();
    void selectionOddRows();
    void outputCap_data();
    void outputCap();
    void scanKeepsLinesBeforeCap();
    void longRows();

private:
    // A session of its own, or the window's: one of them per test, each with its own log.
    DeviceSession &startSession();
    WindowProbe &openWindow();

    std::unique_ptr<ToolDir> dir;
    DrivenHost host;
    std::unique_ptr<DeviceSession> bare;
    std::unique_ptr<Widget> window;
    std::unique_ptr<WindowProbe> probe;
};

void TestSession::init()
{
    dir = std::make_unique<ToolDir>();
    QVERIFY(dir->isValid());
    dir->writeState({simAdapter(dev1, interfaceA(), hfid1), simAdapter(dev2, interfaceB(), hfid2)});
    host = DrivenHost();
}

void TestSession::cleanup()
{
    probe.reset();
    window.reset();
    bare.reset();
    QCOMPARE(dir->runningTools(), 0);
    dir.reset();
}

DeviceSession &TestSession::startSession()
{
    bare = std::make_unique<DeviceSession>(&host);
    bare->startLog("Tandrel.log", "Tandrel.previous.log");
    bare->setLocalAddresses({interfaceA(), interfaceB()});
    return *bare;
}

WindowProbe &TestSession::openWindow()
{
    window = std::make_unique<Widget>();
    probe = std::make_unique<WindowProbe>(*window);
    probe->session().setLocalAddresses({interfaceA(), interfaceB()});
    return *probe;
}

// clang-format off
void TestSession::runTool_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("removeTool");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("status");
    QTest::newRow("normal") << QJsonObject{{"stdout", "all fine\n"}} << false << 10000 << "all fine\n"
                            << "exitStatus=0, error=5.";
    QTest::newRow("exit code logged only") << QJsonObject{{"stdout", "x"}, {"exitCode", 3}} << false << 10000
                                           << "x" << "exitCode=3, exitStatus=0, error=5.";
    QTest::newRow("missing tool") << QJsonObject{} << true << 10000 << "" << "exitCode=0, exitStatus=0, error=0.";
    QTest::newRow("crash") << QJsonObject{{"stdout", "dying\n"}, {"crash", true}} << false << 10000 << "dying\n"
                           << "exitStatus=1, error=1.";
    QTest::newRow("time limit: partial output")
        << QJsonObject{{"stdout", "partial\n"}, {"hang", true}} << false << 1000 << "partial\n"
        << "exitCode=0, exitStatus=0, error=2.";
    QTest::newRow("NUL byte ends the text") << QJsonObject{{"stdoutHex", "61626300646566"}} << false << 10000
                                            << "abc" << "exitStatus=0, error=5.";
}
// clang-format on

void TestSession::runTool()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, removeTool);
    QFETCH(int, limitMs);
    QFETCH(QString, output);
    QFETCH(QString, status);
    dir->setFault("apsta_info", fault);
    if (removeTool)
        dir->removeTool();
    const QStringList args{interfaceA(), "apsta_info", "-m", "name with blanks"};
    DeviceSession &session = startSession();
    host.toolsHang = fault.value("hang").toBool();
    const int before = dir->log().size();
    ToolRun run;
    run.arguments = args;
    run.timeLimitMs = limitMs;
    const QString text = session.runTool(run);
    QCOMPARE(dir->runningTools(), 0); // a late run is ended and waited for by the run itself
    QCOMPARE(text, output);
    const QStringList log = dir->log().mid(before);
    QCOMPARE(log.first(), "Emitting pwlctl.exe " + interfaceA() + " apsta_info -m name with blanks");
    QVERIFY2(log.last().startsWith("Finished pwlctl.exe status: ") && log.last().endsWith(status),
             qPrintable(log.last()));
    QCOMPARE(log.mid(1, log.size() - 2).join('\n'), output.trimmed());
    if (!removeTool)
        QCOMPARE(dir->calls().last(), args); // one argument with its blanks
}

void TestSession::windowLivesDuringRun()
{
    // A factory default: the event loop turns all along, the button is busy and its caption
    // counts the time on the clock that the test moves on, and a click on Scan made meanwhile
    // is dropped.
    WindowProbe &p = openWindow();
    DrivenClock clock;
    window->setActionClock(&clock);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->scanDevices();
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
                QAccessible::queryAccessibleInterface(window->focusWidget())->text(QAccessible::Name));
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
    window->close();
}

void TestSession::scanHasOneDeadline()
{
    // Three discoveries that hang end together, one time limit after the scan began.
    ToolLimits limits;
    limits.discoveryMs = 1500;
    DeviceSession &session = startSession();
    session.setLimits(limits);
    session.setLocalAddresses({interfaceA(), interfaceB(), "02:00:00:00:00:0C"});
    dir->setFault("discover_list", {{"hang", true}, {"stdout", "[discover_list] looking\n"}});
    host.toolsHang = true;
    session.scanDevices();
    QCOMPARE(host.deadlines, (QList<qint64>{1500, 1500, 1500}));
    QCOMPARE(dir->log().filter("exitCode=0, exitStatus=0, error=2.").size(), 3);
    QCOMPARE(dir->runningTools(), 0);
}

void TestSession::batchFailures()
{
    DeviceSession &session = openWindow().session();
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

void TestSession::scanOverTwoInterfaces()
{
    // Both interfaces see dev1; B sees dev2 too. Each discovery takes a while: started
    // together, they are all under way at once.
    dir->writeState({simAdapter(dev1, interfaceA(), hfid1), simAdapter(dev1, interfaceB(), hfid1),
                     simAdapter(dev2, interfaceB(), hfid2)},
                    {{"discover_list", QJsonObject{{"delayMs", 400}}}});
    DeviceSession &session = startSession();
    const int before = dir->log().size();
    session.scanDevices();
    qint64 lastStart = 0;
    qint64 firstEnd = std::numeric_limits<qint64>::max();
    for (const QJsonObject &record : dir->callRecords()) {
        if (record.contains("start"))
            lastStart = qMax(lastStart, record.value("start").toVariant().toLongLong());
        if (record.contains("end"))
            firstEnd = qMin(firstEnd, record.value("end").toVariant().toLongLong());
    }
    QVERIFY2(lastStart < firstEnd, qPrintable(QString("%1 %2").arg(lastStart).arg(firstEnd)));
    QStringList rows;
    for (const DeviceRecord &device : session.devices())
        rows.append(deviceRow(device) + " via " + device.interfaceAddress);
    QCOMPARE(rows,
             (QStringList{dev1 + " - Model07 via " + interfaceA(), dev1 + " - Model07 via " + interfaceB(),
                          dev2 + " - PL1200E via " + interfaceB()}));
    QCOMPARE(session.interfaceAddress(), interfaceB());
    const QStringList log = dir->log().mid(before);
    QCOMPARE(log.size(), 7);
    QCOMPARE(log.at(0), "Emitting pwlctl.exe " + discoverA.join(' '));
    QCOMPARE(log.at(1), "Emitting pwlctl.exe " + discoverB.join(' '));
    QVERIFY(log.at(2).startsWith("Finished") && log.at(3).startsWith("Finished"));
    QCOMPARE(log.at(4), "found device: " + dev1 + "\t02:1A:7E:00:00:01\t" + hfid1);
    QCOMPARE(log.at(6), "found device: " + dev2 + "\t02:1A:7E:00:00:01\t" + hfid2);
}

void TestSession::scanState()
{
    WindowProbe &p = openWindow();
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
    window->scanDevices();
    QVERIFY(!listDuring && !scanDuring && !configureDuring);
    QCOMPARE(captionDuring, "Running...");
    QCOMPARE(scan->text(), "&Scan");
    QVERIFY(scan->isEnabled() && list->isEnabled());
    // The runs start together, so either one may be the one that crashed.
    QCOMPARE(p.rows().size(), 1);
    const QString survivor = p.session().devices().first().address;

    p.clickRow(0);
    QVERIFY(configure->isEnabled());
    window->scanDevices();
    QVERIFY(!configure->isEnabled()); // a scan always asks for a new selection
    QCOMPARE(p.session().selectedDevice().address, survivor);

    // A scan that finds nothing keeps the interface of the last one that did.
    dir->writeState({});
    window->scanDevices();
    QVERIFY(p.rows().isEmpty());
    QCOMPARE(p.session().interfaceAddress(), interfaceB());
    QVERIFY(!configure->isEnabled());
}

void TestSession::selection()
{
    WindowProbe &p = openWindow();
    window->scanDevices();
    QCOMPARE(p.session().interfaceAddress(), interfaceB());
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, dev1);
    QCOMPARE(p.session().selectedDevice().hfid, hfid1);
    QCOMPARE(dir->log().last(), "selected Device = " + dev1);
    // Commands for dev1 go out through A, where it answers, not through B.
    QCOMPARE(p.session().interfaceAddress(), interfaceA());
    window->show();
    p.button("buttonConfigure")->click();
    ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    p.button("buttonFactoryDefault")->click();
    QCOMPARE(dir->calls().last(), (QStringList{interfaceA(), "apfw_factory_reset", "-m", dev1}));
    QCOMPARE(answerer.texts(), QStringList{"==== SUCCESS ===="});
    window->close();
}

void TestSession::selectionOddRows()
{
    WindowProbe &p = openWindow();
    // Two records with one address: the later one stays selected.
    dir->writeState({simAdapter(dev1, interfaceA(), "A_M1_FW1_FWDate_Jan 01 2001"),
                     simAdapter(dev1, interfaceB(), "B_M2_FW2_FWDate_Feb 02 2002")});
    window->scanDevices();
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().hfid, "B_M2_FW2_FWDate_Feb 02 2002");
    QCOMPARE(p.session().interfaceAddress(), interfaceB());

    // A row edited so that it names no adapter keeps the previous selection.
    auto *list = p.child<QListView>("listDevice");
    list->model()->setData(list->model()->index(0, 0), "nobody - M1");
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, dev1);
    QVERIFY(p.child<QLabel>("labelDeviceBanner")->text().contains("Name: M2"));
    QCOMPARE(dir->log().last(), "selected Device = " + dev1);

    // A record without an address is taken, but does not enable Configure.
    const QString empty = "[discover_list] device  at X interface e hfid: E_M3_FW3\n";
    dir->setFault("discover_list", {{"stdout", empty}});
    window->scanDevices();
    QCOMPARE(p.rows(), (QStringList{" - M3", " - M3"}));
    p.clickRow(0);
    QCOMPARE(p.session().selectedDevice().address, "");
    QVERIFY(!p.button("buttonConfigure")->isEnabled());
}

// clang-format off
void TestSession::outputCap_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<int>("outputBytes");
    QTest::addColumn<bool>("cut");
    const QString head = "[apsta_info] Done.\n";
    QTest::newRow("endless output: cut at the cap, the marker before it kept")
        << QJsonObject{{"stdout", head}, {"floodText", "y\n"}} << int(smallCap) << true;
    QTest::newRow("exactly the cap: whole, run not ended")
        << QJsonObject{{"stdout", head}, {"floodText", "y\n"}, {"floodBytes", smallCap - head.size()}}
        << int(smallCap) << false;
    QTest::newRow("one byte more: cut")
        << QJsonObject{{"stdout", head}, {"floodText", "y\n"}, {"floodBytes", smallCap - head.size() + 1}}
        << int(smallCap) << true;
    // Were it buffered, the memory check below would see it.
    QTest::newRow("100 MB on stderr: never kept")
        << QJsonObject{{"stdout", head}, {"floodText", "e\n"}, {"floodBytes", 100e6}, {"floodStream", "stderr"}}
        << head.size() << false;
}
// clang-format on

void TestSession::outputCap()
{
    QFETCH(QJsonObject, fault);
    QFETCH(int, outputBytes);
    QFETCH(bool, cut);
    ToolLimits limits;
    limits.outputCapBytes = smallCap;
    DeviceSession &session = startSession();
    session.setLimits(limits);
    dir->setFault("apsta_info", fault);
    const int before = dir->log().size();
    const qint64 memoryBefore = residentBytes();
    // A run that is not ended at the cap shows as error=2.
    const QString text = session.runTool(infoRun(60000));
    QCOMPARE(dir->runningTools(), 0);
    QVERIFY2(residentBytes() - memoryBefore < 50e6,
             qPrintable(QString::number(residentBytes() - memoryBefore)));
    QCOMPARE(text.size(), outputBytes);
    QVERIFY(text.startsWith("[apsta_info] Done.\n"));
    const QStringList log = dir->log().mid(before);
    QCOMPARE(log.last(), "Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=5.");
    const QString cutRecord =
        "pwlctl.exe printed more than 100000 bytes: its output was cut there and the run was ended.";
    QCOMPARE(log.at(log.size() - 2) == cutRecord, cut);
    // The output stands in the log whole, up to the cap.
    QCOMPARE(log.mid(1, log.size() - (cut ? 3 : 2)).join('\n'), text.trimmed());
}

void TestSession::scanKeepsLinesBeforeCap()
{
    ToolLimits limits;
    limits.outputCapBytes = smallCap;
    limits.discoveryMs = 60000;
    DeviceSession &session = startSession();
    session.setLimits(limits);
    session.setLocalAddresses({interfaceA()});
    dir->setFault("discover_list",
                  {{"stdout", "[discover_list] device D1 at X interface e hfid: M_FW1_FWDate_Jan 01 2001\n"},
                   {"floodText", "[discover_list] still looking\n"}});
    session.scanDevices();
    QCOMPARE(session.devices().size(), 1);
    QCOMPARE(deviceRow(session.devices().first()), "D1 - M");
    QCOMPARE(session.interfaceAddress(), interfaceA());
    const QStringList log = dir->log();
    const int finished = log.lastIndexOf(QRegularExpression("^Finished pwlctl.exe status: .*"));
    QVERIFY(log.at(finished).endsWith("error=5."));
    QVERIFY(log.at(finished - 1).startsWith("pwlctl.exe printed more than 100000 bytes"));
    QCOMPARE(dir->runningTools(), 0);
}

void TestSession::longRows()
{
    WindowProbe &p = openWindow();
    // A row, its adapter's name and a banner of megabytes: the model keeps the row whole, the
    // window shows a part, and so does a screen reader.
    const QString model = QString(2 << 20, 'M');
    const QString name = QString(2 << 20, 'N');
    dir->setFault("discover_list", {{"stdout", "[discover_list] device D1 at X interface e hfid: " + name +
                                                   "_" + model + "_FW1.0b1_FWDate_Jan 01 2020\n"}});
    p.session().setLocalAddresses({interfaceA()});
    window->scanDevices();
    QCOMPARE(p.rows(), QStringList{"D1 - " + model});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
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
    window->close();
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
