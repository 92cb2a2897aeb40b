// The stand-in tool through its command line, as Tandrel runs it.
#include "firmware.h"
#include "keys.h"
#include "tooldir.h"

#include <QtTest>

namespace {

struct Run
{
    QByteArray output;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::NormalExit;
    bool finished = false;
};

Run runTool(const QStringList &args, int limitMs = 10000)
{
    QProcess process;
    process.start(QStringLiteral("./pwlctl.exe"), args, QIODevice::ReadOnly);
    Run run;
    run.finished = process.waitForFinished(limitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.output = process.readAllStandardOutput();
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    return run;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const QString dev1 = QStringLiteral("02:1A:7E:00:00:11");
const QString dev2 = QStringLiteral("02:1A:7E:00:00:12");
const QString dev3 = QStringLiteral("02:1A:7E:00:00:13");

QStringList cmd(const QStringList &middle, const QString &device = dev1)
{
    return QStringList{interfaceA()} + middle + QStringList{QStringLiteral("-m"), device};
}

} // namespace

class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void stateCarriesOver();
    void networkKey();
    void simultaneousRuns();
    void faults();
    void badInputChangesNothing_data();
    void badInputChangesNothing();
    void demoAdapters();

private:
    std::unique_ptr<ToolDir> dir;
    QString firmware;
};

void TestSim::init()
{
    dir.reset(); // the old directory gives back the working directory first
    dir = std::make_unique<ToolDir>();
    QVERIFY(dir->isValid());
    // dev3 is reached through dev1, with another network key: outside dev1's network.
    QJsonObject outsider = simAdapter(dev3, interfaceA(), "Attic_PL500_FW1.02b05_FWDate_Jan 15 2014");
    outsider["at"] = dev1;
    outsider["nmk"] = "00112233445566778899aabbccddeeff";
    dir->writeState({simAdapter(dev1, interfaceA(), "Kitchen_PL500_FW1.02b05_FWDate_Jan 15 2014",
                                "PL500_FW1.02b05_FWDate_Jan 15 2014"),
                     simAdapter(dev2, interfaceB(), "PL1200E_FW2.00b01_FWDate_Mar 03 2015"), outsider});
    firmware = QStringLiteral(TANDREL_FIRMWARE_DIR "/firmware-2.01b03.pwfw");
    QVERIFY(QFile::exists(firmware));
}

void TestSim::stateCarriesOver()
{
    const QStringList discover{interfaceA(), "discover_list", "-t", "2"};
    QVERIFY(runTool(cmd({"upgrade_ggl", firmware})).output.contains("[upgrade_ggl] Done."));
    QVERIFY(runTool(discover).output.contains("hfid: PL500_FW2.01b03_FWDate_Jun 30 2016\n"));
    QVERIFY(runTool(cmd({"get_hfid", "manufacturer"}))
                .output.endsWith("hfid: PL500_FW2.01b03_FWDate_Jun 30 2016\n"));

    QCOMPARE(runTool(cmd({"set_hfid", "user", "Den_PL500_FW2.01b03_FWDate_Jun 30 2016"})).exitCode, 0);
    QVERIFY(runTool(discover).output.contains("hfid: Den_PL500_FW2.01b03_FWDate_Jun 30 2016\n"));

    QCOMPARE(runTool(cmd({"set_npw", "another password", "secure", "set_key"})).exitCode, 0);
    QCOMPARE(dir->adapter(dev1).value("password").toString(), "another password");
    QCOMPARE(runTool(cmd({"apfw_factory_reset"})).exitCode, 0);
    QVERIFY(runTool(discover).output.contains("hfid: PL500_FW2.01b03_FWDate_Jun 30 2016\n"));
    QCOMPARE(dir->adapter(dev1).value("password").toString(), "HomePlugAV");

    // Adapters answer only on their own interface.
    const Run elsewhere = runTool({interfaceB(), "apsta_info", "-m", dev1});
    QVERIFY(elsewhere.output.contains("Error"));
    QVERIFY(!elsewhere.output.contains("Done."));
}

void TestSim::networkKey()
{
    QCOMPARE(networkKeyFromPassword("HomePlugAV").toHex().toUpper(),
             QByteArray("50D3E4933F855B7040784DF815AA8DB7"));

    const Run randomize = runTool(cmd({"apcm_uke_cmd", "randomize"}));
    const QString randomKey = dir->adapter(dev1).value("nmk").toString();
    QVERIFY(randomKey != "50d3e4933f855b7040784df815aa8db7");
    QVERIFY(!randomize.output.contains(randomKey.toLatin1()));

    const Run set = runTool(cmd({"set_npw", "HomePlugAV", "secure", "set_key"}));
    QCOMPARE(dir->adapter(dev1).value("nmk").toString(), "50d3e4933f855b7040784df815aa8db7");
    QVERIFY(!set.output.toLower().contains("50d3e4933f855b7040784df815aa8db7"));
}

void TestSim::simultaneousRuns()
{
    // Every run takes one of the counted faults: a lost update shows as a wrong count.
    dir->setFault("discover_list", {{"delayMs", 200}, {"runs", 20}});
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < 8; ++i) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start("./pwlctl.exe",
                                {i % 2 ? interfaceA() : interfaceB(), "discover_list", "-t", "2"});
    }
    for (const auto &process : processes) {
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitCode(), 0);
        QVERIFY(process->readAllStandardOutput().contains("[discover_list] device 02:1A:7E:00:00:1"));
    }
    const QJsonObject state = dir->state();
    QCOMPARE(state.value("adapters").toArray().size(), 3);
    QCOMPARE(state.value("faults").toObject().value("discover_list").toObject().value("runs").toInt(), 12);
    QCOMPARE(dir->calls().size(), 8);
}

void TestSim::faults()
{
    // Crashes, hangs and delays are seen through Tandrel's own runs (tst_session, tst_toolprocess
    // and the wine session); here, what no other test would show.
    const QStringList info = cmd({"apsta_info"});
    dir->setFault("apsta_info", {{"exitCode", 7}, {"runs", 1}});
    QCOMPARE(runTool(info).exitCode, 7);
    QCOMPARE(runTool(info).exitCode, 0); // the one counted run is used up
    // Bytes as they are, on Windows too: no line feed made a CR LF.
    dir->setFault("apsta_info", {{"stdoutHex", "61626300646566ff0a"}});
    QCOMPARE(runTool(info).output, QByteArray("abc\0def\xff\n", 9));

    // The action word picks a fault of its own.
    dir->setFault("apcm_uke_cmd start", {{"stdout", "[apcm_uke_cmd] action FAILED.\n"}, {"runs", 2}});
    QVERIFY(runTool(cmd({"apcm_uke_cmd", "randomize"})).output.contains("SUCCESS"));
    QVERIFY(runTool(cmd({"apcm_uke_cmd", "start"})).output.contains("FAILED"));
    QVERIFY(runTool(cmd({"apcm_uke_cmd", "start"})).output.contains("FAILED"));
    QVERIFY(runTool(cmd({"apcm_uke_cmd", "start"})).output.contains("SUCCESS"));
}

// clang-format off
void TestSim::badInputChangesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("firmwareBytes"); // written to bad.pwfw first, when not empty

    FirmwareImage image{"3.00b01", "Jan 01 2020", QByteArray(1000, 'x')};
    QByteArray corrupt = encodeFirmware(image);
    corrupt[corrupt.size() - 1] = 'y';
    const QByteArray truncated = encodeFirmware(image).left(500);

    QTest::newRow("unknown device") << cmd({"apfw_factory_reset"}, "02:1A:7E:00:00:99") << QByteArray();
    QTest::newRow("device on another interface") << cmd({"apfw_factory_reset"}, dev2) << QByteArray();
    QTest::newRow("device in another network") << cmd({"apfw_factory_reset"}, dev3) << QByteArray();
    QTest::newRow("bad interface") << QStringList{"eth0", "apfw_factory_reset", "-m", dev1} << QByteArray();
    QTest::newRow("no -m") << QStringList{interfaceA(), "apfw_factory_reset", dev1} << QByteArray();
    QTest::newRow("unknown subcommand") << cmd({"format_flash"}) << QByteArray();
    QTest::newRow("extra operand") << cmd({"apfw_factory_reset", "now"}) << QByteArray();
    QTest::newRow("missing firmware") << cmd({"upgrade_ggl", "/nonexistent/fw.pwfw"}) << QByteArray();
    QTest::newRow("corrupt firmware") << cmd({"upgrade_ggl", "bad.pwfw"}) << corrupt;
    QTest::newRow("truncated firmware") << cmd({"upgrade_ggl", "bad.pwfw"}) << truncated;
    QTest::newRow("not firmware") << cmd({"upgrade_ggl", "bad.pwfw"}) << QByteArray("hello world");
    QTest::newRow("short password") << cmd({"set_npw", "short", "secure", "set_key"}) << QByteArray();
    QTest::newRow("password not ASCII") << cmd({"set_npw", QString::fromUtf8("pässwörter"), "secure", "set_key"}) << QByteArray();
    QTest::newRow("empty hfid") << cmd({"set_hfid", "user", ""}) << QByteArray();
    // 65 bytes in 64 characters: an adapter counts bytes.
    QTest::newRow("hfid past 64 bytes") << cmd({"set_hfid", "user", QString(62, 'h') + QString::fromUtf8("\xc3\xbc") + "h"}) << QByteArray();
    QTest::newRow("discovery without -t") << QStringList{interfaceA(), "discover_list"} << QByteArray();
}
// clang-format on

void TestSim::badInputChangesNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, firmwareBytes);
    if (!firmwareBytes.isEmpty()) {
        QFile file(dir->filePath("bad.pwfw"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firmwareBytes);
    }
    const QByteArray before = fileBytes(dir->filePath("pwlctl-sim.json"));
    const Run run = runTool(args);
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.output.contains("Error"), run.output.constData());
    QVERIFY(!run.output.contains("Done."));
    QCOMPARE(fileBytes(dir->filePath("pwlctl-sim.json")), before);
}

void TestSim::demoAdapters()
{
    QFile::remove(dir->filePath("pwlctl-sim.json"));
    runTool({"00:00:00:00:00:00", "discover_list", "-t", "2"});
    const QJsonArray adapters = dir->state().value("adapters").toArray();
    QCOMPARE(adapters.size(), 3);
    const QString through = adapters.at(0).toObject().value("interface").toString();
    if (through.isEmpty())
        QSKIP("this machine has no interface with a hardware address");
    const QString output = QString::fromUtf8(runTool({through, "discover_list", "-t", "2"}).output);
    QCOMPARE(output.count("[discover_list] device "), 3);
    // Named for their rooms, as users name theirs; two of one model, for an upgrade of both.
    QVERIFY(output.contains("hfid: Living room_PL500_FW1.02b05_FWDate_Jan 15 2014\n"));
    QVERIFY(output.contains("hfid: Office_PL1200E_FW2.00b01_FWDate_Mar 03 2015\n"));
    QVERIFY(output.contains("hfid: Kitchen_PL500_FW1.02b05_FWDate_Jan 15 2014\n"));
}

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
