// The fast reader of discovery output against QRegExp itself.
#include "discoveryreference.h"
#include "device/discovery.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(DeviceRecord)

namespace QTest {
template <> char *toString(const DeviceRecord &record)
{
    return qstrdup(
        QStringLiteral("{%1|%2|%3}").arg(record.address, record.at, record.hfid).toUtf8().constData());
}
} // namespace QTest

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void sameAsQRegExp_data();
    void sameAsQRegExp();
    void generated();
    void records_data();
    void records();
};

static void compareWithReference(const QString &output)
{
    const DiscoveryResult fast = parseDiscoveryOutput(output);
    const DiscoveryResult reference = parseDiscoveryOutputWithQRegExp(output);
    QCOMPARE(fast.hasDeviceLine, reference.hasDeviceLine);
    QCOMPARE(fast.foundLines, reference.foundLines);
    QCOMPARE(fast.devices, reference.devices);
}

// clang-format off
void TestDiscovery::sameAsQRegExp_data()
{
    QTest::addColumn<QString>("output");
    const QString d = "[discover_list] device ";
    QTest::newRow("empty") << "";
    QTest::newRow("no tag") << "device A at B interface C hfid: D\n";
    QTest::newRow("usual") << d + "AA:BB:CC:00:00:01 at AA:BB:CC:00:00:02 interface eth0 hfid: Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014\n";
    QTest::newRow("three and a closing line")
        << d + "A1 at B interface e hfid: H1\n" + d + "A2 at B interface e hfid: H2\n" + d
               + "A3 at B interface e hfid: H3\n[discover_list] 3 device(s) found\n";
    QTest::newRow("last line is the last text") << "x\n" + d + "A at B interface e hfid: H  \n\n";
    QTest::newRow("no hfid") << d + "A at B interface e\n";
    QTest::newRow("at twice") << d + "A at B at C interface D hfid: E";
    QTest::newRow("hfid twice") << d + "A at B interface C hfid: D hfid: E";
    QTest::newRow("interface inside hfid") << d + "A at B interface C hfid: Model07 interface 2";
    QTest::newRow("at inside hfid") << d + "A at B interface C hfid: X at Y";
    QTest::newRow("CRLF") << d + "A at B interface C hfid: H\r\n" + d + "A2 at B interface C hfid: H2\r\n";
    QTest::newRow("untagged line between") << d + "A at B interface C hfid: H\nmore text\n" + d + "A2 at B interface C\n";
    QTest::newRow("tag line that is not a device line")
        << "[discover_list] scanning\n" + d + "A at B interface C hfid: H\n[discover_list] done\n";
    QTest::newRow("at and interface only beyond the next tag")
        << d + "A\n[discover_list] x at B interface C hfid: H\n";
    QTest::newRow("device line only beyond the last interface") << d + "A at B interface C\n" + d + "Z\n";
    QTest::newRow("leading text") << "pwlctl 1.0\nstarting\n" + d + "A at B interface C hfid: H";
    QTest::newRow("tabs inside fields") << d + "A\tX at B\tY interface C hfid: H\tZ\tW";
    QTest::newRow("empty fields") << d + " at  interface  hfid: ";
    QTest::newRow("at touching interface") << d + "A at interface C hfid: H";
    QTest::newRow("overlapping at") << d + "A at at B interface C";
    QTest::newRow("tag glued to tag") << "[discover_list][discover_list] device A at B interface C";
    QTest::newRow("device word only") << "[discover_list] device\n";
    QTest::newRow("hfid before interface") << d + "A hfid: Q at B interface C";
}
// clang-format on

void TestDiscovery::sameAsQRegExp()
{
    QFETCH(QString, output);
    compareWithReference(output);
}

// Outputs stitched from the pieces that the reading turns on, many of them.
void TestDiscovery::generated()
{
    static const QStringList pieces =
        QStringLiteral("[discover_list]| device |device | at | interface |hfid: |"
                       "hfid:|\n|\r\n|\t| |A|BB:CC|"
                       "Model07_FW1.02b05_FWDate_Jan 15 2014|[|]|at|x")
            .split('|');
    QRandomGenerator random(20261208);
    for (int round = 0; round < 3000; ++round) {
        QString output;
        const int count = random.bounded(1, 40);
        for (int i = 0; i < count; ++i) {
            // Whole device lines now and then, so that matches are common.
            if (random.bounded(6) == 0)
                output += QStringLiteral("[discover_list] device A%1 at B interface e hfid: H%1\n").arg(i);
            else
                output += pieces.at(random.bounded(pieces.size()));
        }
        compareWithReference(output);
        if (QTest::currentTestFailed()) {
            qWarning() << "output:" << output;
            return;
        }
    }
}

// clang-format off
void TestDiscovery::records_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QStringList>("ats");
    QTest::addColumn<QStringList>("hfids");
    const QString d = "[discover_list] device ";
    QTest::newRow("usual")
        << d + "AA:BB:CC:00:00:01 at AA:BB:CC:00:00:02 interface eth0 hfid: Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014\n"
        << QStringList{"AA:BB:CC:00:00:01\tAA:BB:CC:00:00:02\tXyz_Model07_FW1.02b05_FWDate_Jan 15 2014"}
        << QStringList{"AA:BB:CC:00:00:01"} << QStringList{"AA:BB:CC:00:00:02"}
        << QStringList{"Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014"};
    QTest::newRow("closing line is not part of the last hfid")
        << d + "A1 at B interface e hfid: H1\n" + d + "A2 at B interface e hfid: H2\n[discover_list] 2 found\n"
        << QStringList{"A1\tB\tH1", "A2\tB\tH2"} << QStringList{"A1", "A2"} << QStringList{"B", "B"}
        << QStringList{"H1", "H2"};
    QTest::newRow("second at-text runs to the last interface")
        << d + "A at B interface C hfid: Model07 interface 2" << QStringList{"A\tB interface C hfid: Model07\t"}
        << QStringList{"A"} << QStringList{"B interface C hfid: Model07"} << QStringList{""};
    QTest::newRow("untagged text joins the hfid")
        << d + "A at B interface C hfid: H\nmore\n" << QStringList{"A\tB\tH\nmore"} << QStringList{"A"}
        << QStringList{"B"} << QStringList{"H\nmore"};
    QTest::newRow("segment without a whole line: logged, no record")
        << d + "A\n[discover_list] x at B interface C\n" << QStringList{"[discover_list] device A"}
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("tabs split the fields further")
        << d + "A\tX at B interface C hfid: H" << QStringList{"A\tX\tB\tH"} << QStringList{"A"}
        << QStringList{"X"} << QStringList{"B"};
}
// clang-format on

void TestDiscovery::records()
{
    QFETCH(QString, output);
    QFETCH(QStringList, found);
    QFETCH(QStringList, addresses);
    QFETCH(QStringList, ats);
    QFETCH(QStringList, hfids);
    const DiscoveryResult result = parseDiscoveryOutput(output);
    QCOMPARE(result.foundLines, found);
    QStringList gotAddresses, gotAts, gotHfids;
    for (const DeviceRecord &record : result.devices) {
        gotAddresses << record.address;
        gotAts << record.at;
        gotHfids << record.hfid;
    }
    QCOMPARE(gotAddresses, addresses);
    QCOMPARE(gotAts, ats);
    QCOMPARE(gotHfids, hfids);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
