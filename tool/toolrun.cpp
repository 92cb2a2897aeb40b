#include "toolrun.h"

#include "readahead.h"

#include "app/widget.h"
#include "ui_widget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <vector>

QString decodeToolOutput(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

QString emittingRecord(const QStringList &arguments, int secretArgument)
{
    QStringList shown = arguments;
    if (secretArgument >= 0 && secretArgument < shown.size())
        shown[secretArgument] = QStringLiteral("********");
    return QStringLiteral("Emitting pwlctl.exe ") + shown.join(QLatin1Char(' '));
}

QString finishedRecord(const RunStatus &status)
{
    return QStringLiteral("Finished pwlctl.exe status: exitCode=%1, exitStatus=%2, error=%3.")
        .arg(status.exitCode)
        .arg(status.exitStatus)
        .arg(status.error);
}

QString outputCutRecord(qint64 capBytes)
{
    return QStringLiteral("pwlctl.exe printed more than %1 bytes: its output was cut there and the run was ended.")
        .arg(capBytes);
}

void endTool(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    // A killed tool is normally gone at once; one that is not must not hold the window forever.
    process.waitForFinished();
}

namespace {

// How much of the tool's output the toolkit may read ahead of the process object.
constexpr qint64 readAheadBytes = 1024 * 1024;

class InputDropper : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
            // Accepted and stopped: a key press then neither reaches a widget nor a shortcut.
            event->accept();
            return true;
        default:
            return false;
        }
    }
};

RunStatus currentStatus(const QProcess &process)
{
    // A tool that never started has no exit code, whatever the failed launch left behind.
    const bool started = process.error() != QProcess::FailedToStart;
    return {started ? process.exitCode() : 0, int(process.exitStatus()), int(process.error())};
}

} // namespace

void dropQueuedInput()
{
    InputDropper dropper;
    QCoreApplication::instance()->installEventFilter(&dropper);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&dropper);
}

ToolProcess::ToolProcess(qint64 outputCapBytes)
    : cap(outputCapBytes)
{
    setProgram(toolProgram());
    // Nothing reads it, so nothing may pile it up either.
    setStandardErrorFile(QProcess::nullDevice());
    connect(this, &QProcess::readyReadStandardOutput, this, &ToolProcess::keepOutput);
}

ToolProcess::~ToolProcess()
{
    endTool(*this);
}

void ToolProcess::startRun()
{
    kept.clear();
    cut = false;
    start(QIODevice::ReadOnly);
    limitReadAhead(*this, readAheadBytes);
}

QByteArray ToolProcess::output()
{
    keepOutput();
    return kept;
}

RunStatus ToolProcess::status() const
{
    return cut ? statusAtCut : currentStatus(*this);
}

void ToolProcess::keepOutput()
{
    // Always drained, so that the process object never holds more than one read's worth.
    const QByteArray bytes = readAllStandardOutput();
    largest = qMax(largest, qint64(bytes.size()));
    if (cut || bytes.isEmpty())
        return;
    const qint64 room = cap - kept.size();
    if (bytes.size() <= room) {
        kept += bytes;
        return;
    }
    kept += bytes.left(int(room));
    cut = true;
    // The status line tells how the run stood when it was ended, not the kill itself.
    statusAtCut = currentStatus(*this);
    kill();
}

QString Widget::enterBusy(QPushButton *button)
{
    const QString caption = button->text();
    button->setEnabled(false);
    button->setText(QStringLiteral("Running..."));
    // The waits that follow block the event loop; this is the only paint until they end.
    repaint();
    return caption;
}

void Widget::leaveBusy(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    button->setEnabled(true);
}

QString Widget::runTool(ToolProcess &process, const ToolRun &run)
{
    process.setArguments(run.arguments);
    appendLog(emittingRecord(process.arguments(), run.secretArgument));

    QString caption;
    if (run.busyButton)
        caption = enterBusy(run.busyButton);

    process.setOutputCap(toolLimits.outputCapBytes);
    process.startRun();
    process.waitForFinished(run.timeLimitMs);
    dropQueuedInput();

    QString output;
    if (run.record == RunRecord::Everything) {
        output = decodeToolOutput(process.output());
        appendLog(output);
    }
    if (run.record != RunRecord::EmittingOnly) {
        if (process.outputCut())
            appendLog(outputCutRecord(process.outputCap()));
        appendLog(finishedRecord(process.status()));
    }
    // A run that outlived its limit ends here, once its records are written: left running,
    // it would refuse the next start on this process and outlive the action.
    endTool(process);

    if (run.busyButton && run.leaveBusy)
        leaveBusy(run.busyButton, caption);
    return output;
}

QStringList Widget::runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs)
{
    std::vector<std::unique_ptr<ToolProcess>> processes;
    for (const QStringList &arguments : argumentLists) {
        auto process = std::make_unique<ToolProcess>(toolLimits.outputCapBytes);
        process->setArguments(arguments);
        process->startRun();
        appendLog(emittingRecord(process->arguments()));
        processes.push_back(std::move(process));
    }

    for (const auto &process : processes) {
        process->waitForFinished(timeLimitMs);
        dropQueuedInput();
        const RunStatus status = process->status();
        if (status.error == QProcess::FailedToStart)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("Failed to emit pwlctl.exe!"),
                                  QMessageBox::Ok, QMessageBox::NoButton);
        else if (status.error == QProcess::Crashed)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("pwlctl.exe crashed!"),
                                  QMessageBox::Ok, QMessageBox::NoButton);
        if (process->outputCut())
            appendLog(outputCutRecord(process->outputCap()));
        appendLog(finishedRecord(status));
    }

    QStringList outputs;
    for (const auto &process : processes)
        outputs.append(decodeToolOutput(process->output()));
    return outputs;
}
