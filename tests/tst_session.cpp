// The session without a window: running the tool, scanning and selecting, through the
// stand-in tool in real processes. What the window shows of them is tst_window's.
#include "drivenhost.h"
#include "tooldir.h"
#include "twoadapters.h"

#include "device/adapteractions.h"
#include "device/discovery.h"
#include "device/hfid.h"

#include <QtTest>

namespace {
const qint64 smallCap = 100000;

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
    void scanHasOneDeadline();
    void scanOverTwoInterfaces();
    void selection_data();
    void selection();
    void outputCap_data();
    void outputCap();
    void scanKeepsLinesBeforeCap();

private:
    // A session of its own, or the window's: one of them per test, each with its own log.
    DeviceSession &startSession();

    std::unique_ptr<ToolDir> dir;
    DrivenHost host;
    std::unique_ptr<DeviceSession> bare;
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
        rows.append(device.address + " " + modelName(device.hfid) + " via " + device.interfaceAddress);
    QCOMPARE(rows, (QStringList{dev1 + " Model07 via " + interfaceA(), dev1 + " Model07 via " + interfaceB(),
                                dev2 + " PL1200E via " + interfaceB()}));
    QCOMPARE(session.interfaceAddress(), interfaceB());
    const QStringList log = dir->log().mid(before);
    QCOMPARE(log.size(), 7);
    QCOMPARE(log.at(0), "Emitting pwlctl.exe " + discoverA.join(' '));
    QCOMPARE(log.at(1), "Emitting pwlctl.exe " + discoverB.join(' '));
    QVERIFY(log.at(2).startsWith("Finished") && log.at(3).startsWith("Finished"));
    QCOMPARE(log.at(4), "found device: " + dev1 + "\t02:1A:7E:00:00:01\t" + hfid1);
    QCOMPARE(log.at(6), "found device: " + dev2 + "\t02:1A:7E:00:00:01\t" + hfid2);
}

// clang-format off
void TestSession::selection_data()
{
    // dev1 through A and dev2 through B; or dev1 found through both, as A_M1 and B_M2, and dev2.
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("address"); // selected by its address, or, when null, by its row
    QTest::addColumn<int>("row");
    // The selection afterwards; dev2 through B, selected before, where nothing new is.
    QTest::addColumn<QString>("hfid");
    QTest::addColumn<QString>("interface");
    const QString b = "B_M2_FW2_FWDate_Feb 02 2002";
    QTest::newRow("by address") << false << dev1 << -1 << hfid1 << interfaceA();
    QTest::newRow("by address in the other case: the same adapter") << false << dev1.toLower() << -1 << hfid1 << interfaceA();
    QTest::newRow("by row") << false << QString() << 0 << hfid1 << interfaceA();
    QTest::newRow("a row out of the list: nothing new") << false << QString() << 7 << hfid2 << interfaceB();
    QTest::newRow("an address that no adapter has: nothing new") << false << "nobody" << -1 << hfid2 << interfaceB();
    QTest::newRow("two records of one address, by the first row: the later one") << true << QString() << 0 << b << interfaceB();
    QTest::newRow("two records of one address, by address: the later one") << true << dev1 << -1 << b << interfaceB();
}
// clang-format on

void TestSession::selection()
{
    QFETCH(bool, twice);
    QFETCH(QString, address);
    QFETCH(int, row);
    QFETCH(QString, hfid);
    QFETCH(QString, interface);
    if (twice)
        dir->writeState({simAdapter(dev1, interfaceA(), "A_M1_FW1_FWDate_Jan 01 2001"),
                         simAdapter(dev1, interfaceB(), "B_M2_FW2_FWDate_Feb 02 2002"),
                         simAdapter(dev2, interfaceB(), hfid2)});
    DeviceSession &session = startSession();
    session.scanDevices();
    session.select(dev2);
    if (address.isNull())
        session.selectRow(row);
    else
        session.select(address);
    QCOMPARE(session.selectedDevice().hfid, hfid);
    QCOMPARE(session.selectedDevice().interfaceAddress, interface);
    QCOMPARE(session.interfaceAddress(), interface);
    const QString selected = session.selectedDevice().address;
    QCOMPARE(dir->log().last(), "selected Device = " + selected);
    // Commands for the adapter go out through the interface that found it.
    AdapterActions(session).factoryDefault(session.selectedDevice());
    QCOMPARE(dir->calls().last(), (QStringList{interface, "apfw_factory_reset", "-m", selected}));
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
    QCOMPARE(session.devices().first().address, "D1");
    QCOMPARE(session.devices().first().hfid, "M_FW1_FWDate_Jan 01 2001");
    QCOMPARE(session.interfaceAddress(), interfaceA());
    const QStringList log = dir->log();
    const int finished = log.lastIndexOf(QRegularExpression("^Finished pwlctl.exe status: .*"));
    QVERIFY(log.at(finished).endsWith("error=5."));
    QVERIFY(log.at(finished - 1).startsWith("pwlctl.exe printed more than 100000 bytes"));
    QCOMPARE(dir->runningTools(), 0);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
