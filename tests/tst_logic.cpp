// The pure pieces: log records, tool output, HFID cutting, an adapter's identity, result texts.
#include "device/adapteractions.h"
#include "device/networkupgrade.h"
#include "device/adaptername.h"
#include "device/banner.h"
#include "device/discovery.h"
#include "device/eventlog.h"
#include "device/networkkey.h"
#include "device/texts.h"
#include "device/toolrun.h"

#include <QtTest>

class TestLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void logRecord_data();
    void logRecord();
    void previousLog_data();
    void previousLog();
    void toolOutput_data();
    void toolOutput();
    void runRecords();
    void busyCaption_data();
    void busyCaption();
    void hfidCuts_data();
    void hfidCuts();
    void computerAdapter_data();
    void computerAdapter();
    void banner();
    void nameRules_data();
    void nameRules();
    void readTexts_data();
    void readTexts();
    void adapterIdentity_data();
    void adapterIdentity();
    void factoryDefault_data();
    void factoryDefault();
    void fittedHfid_data();
    void fittedHfid();
    void simpleConnect();
    void networkPassword_data();
    void networkPassword();
    void shownTexts_data();
    void shownTexts();
};

// The texts that Tandrel makes from numbers for the log and the tool keep ASCII digits
// whatever the user's locale: every test here runs with a default locale that has digits of
// its own, and ctest runs the suite again with the system's locale so too (LC_ALL, Linux).
void TestLogic::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    if (qEnvironmentVariableIsSet("LC_ALL"))
        QCOMPARE(QLocale::system().name(), QLocale(qEnvironmentVariable("LC_ALL")).name());
}

// clang-format off
void TestLogic::logRecord_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("record");
    QTest::newRow("plain") << "==== Tandrel started ====" << "[26/12/07 00:28:48] ==== Tandrel started ====\n";
    QTest::newRow("outer white space trimmed") << " \t\n x y \r\n\n" << "[26/12/07 00:28:48] x y\n";
    QTest::newRow("empty") << "" << "[26/12/07 00:28:48] \n";
    QTest::newRow("white space only") << " \n\t " << "[26/12/07 00:28:48] \n";
    QTest::newRow("continuation lines untouched")
        << "first\n  second\r\nthird\n" << "[26/12/07 00:28:48] first\n  second\r\nthird\n";
}
// clang-format on

void TestLogic::logRecord()
{
    QFETCH(QString, message);
    QFETCH(QString, record);
    const QDateTime utc(QDate(2026, 12, 7), QTime(0, 28, 48), Qt::UTC);
    QCOMPARE(QString::fromUtf8(logRecordBytes(utc, message, false)), record);
    // On Windows each line feed is a CR LF, and a CR of the tool's stays in front of it.
    QCOMPARE(logRecordBytes(utc, message, true), record.toUtf8().replace("\n", "\r\n"));
    // Local time never leaks in: the same instant seen from another zone prints the same.
    QCOMPARE(QString::fromUtf8(logRecordBytes(utc.toOffsetFromUtc(5 * 3600 + 1800), message, false)), record);
}

// clang-format off
void TestLogic::previousLog_data()
{
    QTest::addColumn<QStringList>("before"); // what Tandrel.log, then Tandrel.previous.log, held
    QTest::addColumn<QString>("previous");   // what Tandrel.previous.log holds after the start
    QTest::addColumn<QString>("stays");      // what of the last log stays in Tandrel.log, before the new records
    QTest::newRow("no earlier log") << QStringList() << QString() << "";
    QTest::newRow("the last log kept") << QStringList{"last\n"} << "last\n" << "";
    QTest::newRow("an older one replaced") << QStringList{"last\n", "older\n"} << "last\n" << "";
    // A name that cannot be replaced, even by root.
    QTest::newRow("not kept: a folder by that name") << QStringList{"last\n", "<folder>"} << "<folder>" << "last\n";
    QTest::newRow("not kept, its last line cut short: ended") << QStringList{"one\nla", "<folder>"} << "<folder>" << "one\nla\n";
}
// clang-format on

void TestLogic::previousLog()
{
    QFETCH(QStringList, before);
    QFETCH(QString, previous);
    QFETCH(QString, stays);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logName = dir.filePath("Tandrel.log"), previousName = dir.filePath("Tandrel.previous.log");
    // The logs as Tandrel writes them here: on Windows with CR LF line ends.
    const QByteArray eol = QSysInfo::productType() == "windows" ? "\r\n" : "\n";
    const auto bytes = [&eol](const QString &text) { return text.toUtf8().replace("\n", eol); };
    const auto write = [&bytes](const QString &name, const QString &text) {
        if (text == "<folder>")
            return QDir().mkpath(name + "/inside");
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes(text)) == bytes(text).size();
    };
    if (before.size() > 0)
        QVERIFY(write(logName, before.at(0)));
    if (before.size() > 1)
        QVERIFY(write(previousName, before.at(1)));

    EventLog log;
    QVERIFY(log.open(logName, previousName));
    log.append("started");
    log.close();
    QFile file(logName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    // The old records stay as they were, and the new one begins a line of its own.
    QVERIFY2(content.startsWith(bytes(stays) + '[') && content.endsWith("] started" + eol), content);
    QCOMPARE(log.previousNotKept().isEmpty(), stays.isEmpty());
    if (!stays.isEmpty()) {
        QVERIFY(log.previousNotKept().startsWith("The previous event log could not be kept as " +
                                                 previousName + ": "));
        QVERIFY(
            log.previousNotKept().endsWith(". Its records stay in " + logName + ", before this session's."));
    }
    if (previous == "<folder>") {
        QVERIFY(QFileInfo(previousName).isDir());
    } else if (!previous.isNull()) {
        QFile old(previousName);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), bytes(previous));
    } else {
        QVERIFY(!QFileInfo::exists(previousName));
    }
}

// clang-format off
void TestLogic::toolOutput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ends at the first NUL") << QByteArray("abc\0def\0", 8) << "abc";
    QTest::newRow("NUL first") << QByteArray("\0abc", 4) << "";
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\n") << QString::fromUtf8("caf\xc3\xa9\n");
    QTest::newRow("invalid UTF-8 is replaced, not dropped") << QByteArray("a\xff" "b") << QString::fromUtf8("a\xef\xbf\xbd" "b");
    QTest::newRow("line ends kept") << QByteArray("x\r\ny\n\n") << "x\r\ny\n\n";
}
// clang-format on

void TestLogic::toolOutput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeToolOutput(bytes), text);
}

void TestLogic::runRecords()
{
    const QStringList arguments{"AA:BB:CC:DD:EE:FF", "set_npw", "two words ", "secure"};
    QCOMPARE(emittingRecord(arguments), "Emitting pwlctl.exe AA:BB:CC:DD:EE:FF set_npw two words  secure");
    QCOMPARE(emittingRecord(arguments, "two words "),
             "Emitting pwlctl.exe AA:BB:CC:DD:EE:FF set_npw ******** secure");
    // The secret is masked wherever it stands, also where it is a word the tool takes too.
    QCOMPARE(emittingRecord(arguments, "secure"),
             "Emitting pwlctl.exe AA:BB:CC:DD:EE:FF set_npw two words  ********");
    QCOMPARE(emittingRecord({}), "Emitting pwlctl.exe ");
    QCOMPARE(finishedRecord({-1, 1, 2}), "Finished pwlctl.exe status: exitCode=-1, exitStatus=1, error=2.");
}

// clang-format off
void TestLogic::busyCaption_data()
{
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<bool>("closing");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("steps"); // 0: an action of one step
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heard"); // what a screen reader says of Restart busy
    QTest::newRow("the first two seconds") << 1999 << false << 0 << 0 << "Running..." << "Restart: running";
    QTest::newRow("two seconds") << 2000 << false << 0 << 0 << "Running... 0:02" << "Restart: running, 0:02";
    QTest::newRow("minutes") << 754999 << false << 0 << 0 << "Running... 12:34" << "Restart: running, 12:34";
    QTest::newRow("hours") << 3723000 << false << 0 << 0 << "Running... 1:02:03" << "Restart: running, 1:02:03";
    QTest::newRow("closing") << 42000 << true << 0 << 0 << "Running... 0:42, closing when done" << "Restart: running, 0:42, closing when done";
    QTest::newRow("closing at once") << 300 << true << 0 << 0 << "Running..., closing when done" << "Restart: running, closing when done";
    QTest::newRow("a step at once") << 300 << false << 1 << 3 << "Running... 1 of 3" << "Restart: running, 1 of 3";
    QTest::newRow("a step and the time") << 12000 << false << 2 << 3 << "Running... 2 of 3, 0:12" << "Restart: running, 2 of 3, 0:12";
    QTest::newRow("a step, closing") << 12000 << true << 3 << 3 << "Running... 3 of 3, 0:12, closing when done" << "Restart: running, 3 of 3, 0:12, closing when done";
}
// clang-format on

void TestLogic::busyCaption()
{
    QFETCH(int, elapsedMs);
    QFETCH(bool, closing);
    QFETCH(int, step);
    QFETCH(int, steps);
    QFETCH(QString, caption);
    QFETCH(QString, heard);
    QCOMPARE(::busyCaption(elapsedMs, closing, step, steps), caption);
    QCOMPARE(busyName("&Restart", elapsedMs, closing, step, steps), heard);
    // The mnemonic's mark is not said; a doubled one is the character itself.
    QCOMPARE(busyName("Save && &Quit", elapsedMs, closing, step, steps), "Save & Quit" + heard.mid(7));
}

// clang-format off
void TestLogic::computerAdapter_data()
{
    // The adapters 02:1A:7E:00:00:0N, as "N>M": N reached through M (its `at`).
    QTest::addColumn<QStringList>("adapters");
    QTest::addColumn<QString>("computer"); // the N of the one marked, or none
    QTest::newRow("one names itself") << QStringList{"2>1", "1>1", "3>1"} << "1";
    QTest::newRow("none does") << QStringList{"2>1", "1>2"} << "";
    QTest::newRow("two do: none can be told") << QStringList{"2>2", "1>1"} << "";
    QTest::newRow("one reached through two interfaces, its `at` in small letters") << QStringList{"1>1", "2>1", "1>1a"} << "1";
    QTest::newRow("no adapter") << QStringList() << "";
}
// clang-format on

void TestLogic::computerAdapter()
{
    QFETCH(QStringList, adapters);
    QFETCH(QString, computer);
    DeviceList devices;
    for (const QString &adapter : adapters) {
        const QString at = "02:1A:7E:00:00:0" + adapter.mid(2, 1);
        devices.append({"02:1A:7E:00:00:0" + adapter.left(1), adapter.endsWith('a') ? at.toLower() : at,
                        "Den_PL500_FW1.02b05_FWDate_Jan 15 2014", adapter.endsWith('a') ? "B" : "A"});
    }
    QCOMPARE(computerAdapterAddress(devices), computer.isEmpty() ? QString() : "02:1A:7E:00:00:0" + computer);
    // Its row says so after the name and the version.
    const QStringList details = rowsDetails(devices);
    for (int row = 0; row < devices.size(); ++row) {
        const bool marked = !computer.isEmpty() && adapters.at(row).startsWith(computer);
        QCOMPARE(details.at(row), marked ? "Den, firmware 1.02, this computer" : "Den, firmware 1.02");
    }
}

// clang-format off
void TestLogic::hfidCuts_data()
{
    QTest::addColumn<QString>("hfid");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("details"); // beside the device row: the name, the version
    QTest::newRow("usual") << "Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014" << "Model07" << "1.02" << "Jan 15 2014" << "Xyz" << "Xyz, firmware 1.02";
    QTest::newRow("capital B") << "Xyz_Model07_FW1.02B05_FWDate_Jan 15 2014" << "Model07" << "1.02" << "Jan 15 2014" << "Xyz" << "Xyz, firmware 1.02";
    QTest::newRow("no build letter") << "Model07_FW2.00_FWDate_Mar 03 2015" << "Model07" << "2.00" << "Mar 03 2015" << "" << "firmware 2.00";
    QTest::newRow("no separator after marker") << "Model07_FW1.02b05_FWDate2014-01-15" << "Model07" << "1.02" << "014-01-15" << "" << "firmware 1.02";
    QTest::newRow("long date cut to 11") << "M_FW1_FWDate_Jan 15 2014 extra" << "M" << "1" << "Jan 15 2014" << "" << "firmware 1";
    QTest::newRow("short date whole") << "M_FW1_FWDate_2014" << "M" << "1" << "2014" << "" << "firmware 1";
    // The row shows no version that is a piece of the model name.
    QTest::newRow("no markers") << "Model07" << "Model07" << "del07" << "" << "" << "";
    QTest::newRow("empty") << "" << "" << "" << "" << "" << "";
    QTest::newRow("last underscore counts") << "Xyz_PL_A_FW2.00b01" << "A" << "2.00" << "A_FW2.00b01" << "Xyz_PL" << "Xyz_PL, firmware 2.00";
    QTest::newRow("underscores in the prefix") << "My_Home_Net_PL500_FW1.0_FWDate_Jan 01 2020" << "PL500" << "1.0" << "Jan 01 2020" << "My_Home_Net" << "My_Home_Net, firmware 1.0";
    QTest::newRow("no FW markers, underscores") << "Kitchen_PL500" << "PL500" << "tchen_PL500" << "_PL500" << "Kitchen" << "Kitchen";
    QTest::newRow("a date marker alone") << "Den_PL500_FWDate_Jan 01 2020" << "PL500" << "n_PL500" << "Jan 01 2020" << "Den" << "Den";
}
// clang-format on

void TestLogic::hfidCuts()
{
    QFETCH(QString, hfid);
    QFETCH(QString, model);
    QFETCH(QString, version);
    QFETCH(QString, date);
    QFETCH(QString, prefix);
    QFETCH(QString, details);
    QCOMPARE(modelName(hfid), model);
    QCOMPARE(firmwareVersion(hfid), version);
    QCOMPARE(firmwareDate(hfid), date);
    QCOMPARE(extractHfidPrefix(hfid), prefix);
    QCOMPARE(rowDetails(hfid), details);
    // A rename keeps everything behind the name.
    QCOMPARE(keptUserHfid(prefix, hfidWithoutName(hfid)), hfid);
}

void TestLogic::banner()
{
    const QString tmpl = "<html><head/><body><p>Name: %1</p><p>Firmware version: %2</p>"
                         "<p>Firmware date: %3</p></body></html>";
    // The adapter's name above the model's.
    QCOMPARE(fillBanner(tmpl, "Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014"),
             "<html><head/><body><p><b>Xyz</b></p><p>Name: Model07</p><p>Firmware version: 1.02</p>"
             "<p>Firmware date: Jan 15 2014</p></body></html>");
    QCOMPARE(fillBanner(tmpl, ""), "<html><head/><body><p>Name: </p><p>Firmware version: </p>"
                                   "<p>Firmware date: </p></body></html>");
    // A value that looks like a placeholder or like markup is shown as it is.
    QCOMPARE(fillBanner("%1|%2|%3", "<i>_%2<b>_FW%3_FWDate_%1"), "<p><b>&lt;i&gt;</b></p>%2&lt;b&gt;|%3|%1");
    // A model name of a megabyte shows as its beginning.
    const QString banner = fillBanner("%1|%2|%3", QString(1 << 20, 'M') + "_FW1.0b1_FWDate_Jan 01 2020");
    QCOMPARE(banner, QString(maxShownChars, 'M') + QChar(0x2026) + "|1.0|Jan 01 2020");

    // The adapter as a screen reader says it on entering its page: the name where it has one.
    QCOMPARE(adapterHeard("My_Home_PL500_FW1.0_FWDate_Jan 01 2020", "02:1A:7E:00:00:11"),
             "My_Home, model PL500, address 02:1A:7E:00:00:11");
    QCOMPARE(adapterHeard("PL500_FW1.0_FWDate_Jan 01 2020", "02:1A:7E:00:00:11"),
             "Model PL500, address 02:1A:7E:00:00:11");
    QCOMPARE(adapterHeard(QString(1 << 20, 'N') + "_PL500_FW1.0", "A"),
             QString(maxShownChars, 'N') + QChar(0x2026) + ", model PL500, address A");
}

// clang-format off
void TestLogic::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hfid"); // as the scan found it
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("said"); // under the prompt's question: the refusal, or what is left
    const QString factory = "PL500_FW1.02b05_FWDate_Jan 15 2014"; // 34 bytes: 29 left for a name
    const QString plug = QString::fromUtf8("\xf0\x9f\x94\x8c");
    QTest::newRow("a name") << "Den" << "Kitchen_" + factory << false << "26 characters left.";
    QTest::newRow("empty: the name removed") << "" << "Kitchen_" + factory << false << "29 characters left.";
    QTest::newRow("blanks around it do not count") << "  Den " << factory << false << "26 characters left.";
    QTest::newRow("space to tilde") << " !~az09" << factory << false << "23 characters left.";
    QTest::newRow("exactly the room") << QString(29, 'n') << factory << false << "0 characters left.";
    QTest::newRow("one character too many") << QString(30, 'n') << factory << true << "The name is too long: this adapter takes a name of at most 29 characters.";
    QTest::newRow("no room at all") << "a" << QString(63, 'M') << true << "This adapter takes no name: its own HFID fills the 64 bytes";
    QTest::newRow("an umlaut named") << QString::fromUtf8("K\xc3\xbc" "che") << factory << true << QString::fromUtf8("The name cannot hold \"\xc3\xbc\" (U+00FC): an adapter's name takes only printable ASCII");
    QTest::newRow("a four-byte character named whole") << "ab" + plug << factory << true << "The name cannot hold \"" + plug + "\" (U+1F50C)";
    QTest::newRow("a control character, by its code") << "a\x7f" << factory << true << "The name cannot hold U+007F:";
    // Too long and not ASCII: the character is what the user must change first.
    QTest::newRow("the character before the length") << QString(40, QChar(0xe9)) << factory << true << QString::fromUtf8("The name cannot hold \"\xc3\xa9\"");
    // Every later scan would cut the device line there: the adapter listed without name and model.
    const QString unreadable = "\": the list of adapters would read it wrongly";
    QTest::newRow("\" interface \" in the name") << "Back interface room" << factory << true << "The name cannot hold \" interface " + unreadable;
    QTest::newRow("\"interface \" leading it") << "interface room" << factory << true << "The name cannot hold \"interface " + unreadable;
    QTest::newRow("the list's tag in the name") << "A [discover_list] B" << factory << true << "The name cannot hold \"[discover_list]" + unreadable;
    QTest::newRow("the line's other words are read back") << "Den at hfid: device _FW" << factory << false << "6 characters left.";
    // As a name that the list could not read left it: no count that Tandrel cannot know.
    QTest::newRow("a listed HFID without a model") << "Den" << "" << false << "The list shows no model for this adapter, so Tandrel cannot tell";
}
// clang-format on

void TestLogic::nameRules()
{
    QFETCH(QString, name);
    QFETCH(QString, hfid);
    QFETCH(bool, refused);
    QFETCH(QString, said);
    const QString manufacturerHfid = hfidWithoutName(hfid);
    const QString refusal = nameRefusal(name.trimmed(), manufacturerHfid);
    QCOMPARE(!refusal.isEmpty(), refused);
    QVERIFY2(!refused || refusal.startsWith(said), qPrintable(refusal));
    const QStringList prompt = namePromptText(name, manufacturerHfid).split('\n');
    QCOMPARE(prompt.size(), 2);
    QCOMPARE(prompt.first(), "The adapter's new name (an empty name removes it):");
    QVERIFY2(prompt.last().startsWith(said), qPrintable(prompt.last()));
    // A name that is taken fits the adapter with its manufacturer HFID, and the list reads it back.
    const QString written = keptUserHfid(name.trimmed(), manufacturerHfid);
    if (!refused) {
        QVERIFY(written.toUtf8().size() <= maxHfidBytes);
        QCOMPARE(hfidAsListed(written), written);
    }
}

// clang-format off
void TestLogic::readTexts_data()
{
    QTest::addColumn<QString>("reading"); // what is read from the text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    // The address part of a device row.
    // What the device-information window shows.
    QTest::newRow("info: report after the marker")
        << "info" << "[apsta_info] Done.\nline one\nline two\n" << "==== SUCCESS ====\nline one\nline two";
    QTest::newRow("info: lines before the marker dropped") << "info" << "querying\n[apsta_info] Done.\nx" << "==== SUCCESS ====\nx";
    QTest::newRow("info: marker twice")
        << "info" << "[apsta_info] Done.\na\n[apsta_info] Done.\nb" << "==== SUCCESS ====\na\n==== SUCCESS ====\nb";
    QTest::newRow("info: other letter case") << "info" << "[APSTA_INFO] DONE.\nx" << "==== ERROR ====\n[APSTA_INFO] DONE.\nx";
    QTest::newRow("info: empty") << "info" << "" << "==== ERROR ====";
    QTest::newRow("info: trailing white space") << "info" << "  x \n\n" << "==== ERROR ====\n  x";
    // The HFID that get_hfid reports.
    QTest::newRow("hfid: usual") << "hfid" << "[get_hfid] manufacturer hfid: PL500_FW2.01b03_FWDate_Jun 30 2016\n"
                                 << "PL500_FW2.01b03_FWDate_Jun 30 2016";
    QTest::newRow("hfid: later lines belong to it") << "hfid" << "hfid: A\nB\n\n" << "A\nB";
    QTest::newRow("hfid: two markers, first counts") << "hfid" << "x hfid: A hfid: B" << "A hfid: B";
    QTest::newRow("hfid: no marker gives nothing") << "hfid" << "abcdefghij" << "";
    QTest::newRow("hfid: nothing after the marker") << "hfid" << "[get_hfid] hfid: \t \n" << "";
    QTest::newRow("hfid: marker needs its space") << "hfid" << "hfid:A" << "";
}
// clang-format on

void TestLogic::readTexts()
{
    QFETCH(QString, reading);
    QFETCH(QString, text);
    QFETCH(QString, read);
    QCOMPARE(reading == "info" ? deviceInfoText(text) : reportedHfid(text), read);
}

// clang-format off
void TestLogic::adapterIdentity_data()
{
    QTest::addColumn<QStringList>("addresses"); // of the records found, in order
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("record"); // the one that stands for the adapter, or -1
    QTest::newRow("one of two") << QStringList{"AA:BB:CC:00:00:01", "AA:BB:CC:00:00:02"} << "AA:BB:CC:00:00:02" << 1;
    // The tool may print either case.
    QTest::newRow("the other case: the same adapter") << QStringList{"aa:bb:cc:00:00:0a"} << "AA:BB:CC:00:00:0A" << 0;
    QTest::newRow("found twice: the last record") << QStringList{"AA:BB", "CC:DD", "aa:bb"} << "AA:BB" << 2;
    QTest::newRow("not found") << QStringList{"AA:BB"} << "AA:BC" << -1;
    QTest::newRow("no address is only itself") << QStringList{"", "AA:BB"} << "" << 0;
}
// clang-format on

void TestLogic::adapterIdentity()
{
    QFETCH(QStringList, addresses);
    QFETCH(QString, address);
    QFETCH(int, record);
    DeviceList devices;
    for (const QString &each : addresses)
        devices.append(DeviceRecord{each, QString(), QString(), QString()});
    QCOMPARE(lastIndexOf(devices, address), record);
}

void TestLogic::factoryDefault_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("success");
    QTest::newRow("done") << "[apfw_factory_reset] restoring\n[apfw_factory_reset] Done.\n" << true;
    QTest::newRow("done but Error elsewhere") << "[apfw_factory_reset] Done.\nError: flash\n" << false;
    QTest::newRow("done and lower-case error") << "[apfw_factory_reset] Done. error count 0" << true;
    QTest::newRow("done and ERROR") << "ERROR?\n[apfw_factory_reset] Done." << true;
    QTest::newRow("marker in other case") << "[apfw_factory_reset] DONE." << false;
    QTest::newRow("empty") << "" << false;
}

void TestLogic::factoryDefault()
{
    QFETCH(QString, output);
    QFETCH(bool, success);
    QCOMPARE(factoryDefaultSucceeded(output), success);
    QCOMPARE(errorText("abc", false), "==== ERROR ====abc");
    QCOMPARE(errorText("", true), "==== ERROR ====\n");
}

// clang-format off
void TestLogic::fittedHfid_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("hfid");
    const QString m30 = QString(30, 'M');
    QTest::newRow("fits") << "Den" << m30 << "Den_" + m30;
    QTest::newRow("exactly 64 bytes") << QString(33, 'p') << m30 << QString(33, 'p') + "_" + m30;
    QTest::newRow("one byte over: the prefix loses one") << QString(34, 'p') << m30 << QString(33, 'p') + "_" + m30;
    QTest::newRow("no empty prefix is added") << "" << QString(70, 'M') << QString(70, 'M');
    QTest::newRow("no room at all: the manufacturer's alone") << "Den" << QString(63, 'M') << QString(63, 'M');
    // U+1F50C takes four bytes and two UTF-16 units: never half of it.
    const QString plug = QString::fromUtf8("\xf0\x9f\x94\x8c");
    QTest::newRow("a four-byte letter is not split") << "ab" + plug + plug << QString(56, 'M')
                                                     << "ab" + plug + "_" + QString(56, 'M');
}
// clang-format on

void TestLogic::fittedHfid()
{
    QFETCH(QString, prefix);
    QFETCH(QString, manufacturer);
    QFETCH(QString, hfid);
    const FittedHfid fitted = fittedUserHfid(prefix, manufacturer);
    QCOMPARE(fitted.hfid, hfid);
    QCOMPARE(fitted.shortened, hfid != keptUserHfid(prefix, manufacturer));
    QCOMPARE(keptUserHfid("Xyz", "M_FW1"), "Xyz_M_FW1");
    QCOMPARE(keptUserHfid("", "M_FW1"), "M_FW1");
}

void TestLogic::simpleConnect()
{
    QCOMPARE(simpleConnectText(" R \n", "S", true), " R \n");
    QCOMPARE(simpleConnectText("R\n", "S\n", false), "==== ERROR ====\nR\nS\n");
    QCOMPARE(simpleConnectText("R", "S", false), "==== ERROR ====\nR\nS");
    QCOMPARE(simpleConnectText("", "", false), "==== ERROR ====\n");
}

// clang-format off
void TestLogic::networkPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("again");
    QTest::addColumn<QString>("problem"); // its beginning; empty when the password is taken
    QTest::newRow("8 characters") << "abcdefgh" << "abcdefgh" << "";
    QTest::newRow("64 characters") << QString(64, 'x') << QString(64, 'x') << "";
    QTest::newRow("7 characters") << "abcdefg" << "abcdefg" << "The password is too short: it takes at least 8 characters.";
    QTest::newRow("65 characters") << QString(65, 'x') << QString(65, 'x')
                                   << "The password is too long: it takes at most 64 characters, and this one has 65.";
    const QString ascii = "The password takes printable ASCII characters only: letters without accents, digits, blanks "
                          "and the signs of an English keyboard.";
    // The rule alone, never a character of the password, which would be on the screen.
    QTest::newRow("a u with umlaut") << "Gr\u00fc\u00dfe 1234" << "Gr\u00fc\u00dfe 1234" << ascii;
    QTest::newRow("a tab") << "abc\tdefgh" << "abc\tdefgh" << ascii;
    QTest::newRow("entries that differ") << "my home network" << "my home netwrok" << "The two entries differ. Type the password twice again.";
}
// clang-format on

void TestLogic::networkPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, again);
    QFETCH(QString, problem);
    const QString told = networkPasswordProblem(password, again);
    QVERIFY2(problem.isEmpty() ? told.isEmpty() : told.startsWith(problem), qPrintable(told));
    QVERIFY(!told.contains(QChar(0xfc)) && !told.contains('\t') && !told.contains("U+"));
}

// clang-format off
void TestLogic::shownTexts_data()
{
    const QString closing = "[The output goes on. The whole of it is in Tandrel.log.]";
    const QString ellipsis = QChar(0x2026);
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("shortened");
    QTest::newRow("short: untouched") << "a\nb\n" << 4 << "a\nb\n" << "a\nb\n";
    QTest::newRow("long: cut at the last line end that fits")
        << "line1\nline2\nline3\n" << 14 << "line1\nline2\n" + closing << "line1\nline2\nli" + ellipsis;
    QTest::newRow("long without a near line end: cut at the limit")
        << "a\nbcdefghij" << 6 << "a\nbcde\n" + closing << "a\nbcde" + ellipsis;
    QTest::newRow("a surrogate pair is not split")
        << "abc" + QString::fromUtf8("\xF0\x9F\x94\x8C") + "def" << 4 << "abc\n" + closing
        << "abc" + ellipsis;
}
// clang-format on

void TestLogic::shownTexts()
{
    QFETCH(QString, text);
    QFETCH(int, maxChars);
    QFETCH(QString, window);
    QFETCH(QString, shortened);
    QCOMPARE(resultWindowText(text, maxChars), window);
    QCOMPARE(shortenedText(text, maxChars), shortened);
}

QTEST_GUILESS_MAIN(TestLogic)
#include "tst_logic.moc"
