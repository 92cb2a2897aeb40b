// The process object of a tool run, on every platform: a run past its time limit is
// ended, output past the cap ends the run, standard error is never kept.
#include "device/toolrun.h"
#include "tooldir.h"

#include <QtTest>

class TestToolProcess : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

// clang-format off
void TestToolProcess::run_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<QByteArray>("outputStart");
    QTest::addColumn<int>("outputBytes");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<int>("error");
    const QByteArray head = "partial\n";
    QTest::newRow("past the time limit: ended, the output so far kept")
        << QJsonObject{{"stdout", QString(head)}, {"hang", true}} << 5000 << head << head.size() << false
        << int(QProcess::Timedout);
    QTest::newRow("past the cap: ended at once, the output up to the cap kept")
        << QJsonObject{{"stdout", QString(head)}, {"floodText", "y\n"}} << 120000 << head << 100000 << true
        << int(QProcess::UnknownError);
    QTest::newRow("20 MB on stderr: nothing of it kept")
        << QJsonObject{{"stdout", QString(head)}, {"floodText", "e\n"}, {"floodBytes", 20e6}, {"floodStream", "stderr"}}
        << 120000 << head << head.size() << false << int(QProcess::UnknownError);
}
// clang-format on

void TestToolProcess::run()
{
    QFETCH(QJsonObject, fault);
    QFETCH(int, limitMs);
    QFETCH(QByteArray, outputStart);
    QFETCH(int, outputBytes);
    QFETCH(bool, cut);
    QFETCH(int, error);
    ToolDir dir;
    QVERIFY(dir.isValid());
    dir.setFault("discover_list", fault);
    ToolProcess process(100000);
    process.start({interfaceA(), "discover_list", "-t", "2"});
    process.waitForEnd(QDeadlineTimer(limitMs));
    // Nothing reads ahead of the process object without bound: on Windows the toolkit would
    // otherwise hold a gigabyte of an endless output before reporting any of it.
    QVERIFY2(process.largestRead() <= 2 * 1024 * 1024, qPrintable(QString::number(process.largestRead())));
    const QByteArray output = process.output();
    QVERIFY2(output.startsWith(outputStart), output.left(40).constData());
    QCOMPARE(output.size(), outputBytes);
    QCOMPARE(process.outputCut(), cut);
    QCOMPARE(process.status().error, error);
    process.end();
    QVERIFY(!process.isRunning());
    QCOMPARE(dir.runningTools(), 0);
}

QTEST_GUILESS_MAIN(TestToolProcess)
#include "tst_toolprocess.moc"
