#include "toolrun.h"

#include "app/widget.h"
#include "ui_widget.h"

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

QString finishedRecord(int exitCode, int exitStatus, int error)
{
    return QStringLiteral("Finished pwlctl.exe status: exitCode=%1, exitStatus=%2, error=%3.")
        .arg(exitCode)
        .arg(exitStatus)
        .arg(error);
}

QString finishedRecord(const QProcess &process)
{
    // A tool that never started has no exit code, whatever the failed launch left behind.
    const bool started = process.error() != QProcess::FailedToStart;
    return finishedRecord(started ? process.exitCode() : 0, int(process.exitStatus()), int(process.error()));
}

void endTool(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(-1);
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

QString Widget::runTool(QProcess &process, const ToolRun &run)
{
    process.setProgram(toolProgram());
    process.setArguments(run.arguments);
    appendLog(emittingRecord(process.arguments(), run.secretArgument));

    QString caption;
    if (run.busyButton)
        caption = enterBusy(run.busyButton);

    process.start(QIODevice::ReadOnly);
    process.waitForFinished(run.timeLimitMs);

    QString output;
    if (run.record == RunRecord::Everything) {
        output = decodeToolOutput(process.readAllStandardOutput());
        appendLog(output);
    }
    if (run.record != RunRecord::EmittingOnly)
        appendLog(finishedRecord(process));
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
        auto process = std::make_unique<ToolProcess>();
        process->setArguments(arguments);
        process->start(QIODevice::ReadOnly);
        appendLog(emittingRecord(process->arguments()));
        processes.push_back(std::move(process));
    }

    for (const auto &process : processes) {
        process->waitForFinished(timeLimitMs);
        if (process->error() == QProcess::FailedToStart)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("Failed to emit pwlctl.exe!"),
                                  QMessageBox::Ok, QMessageBox::NoButton);
        else if (process->error() == QProcess::Crashed)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("pwlctl.exe crashed!"),
                                  QMessageBox::Ok, QMessageBox::NoButton);
        appendLog(finishedRecord(*process));
    }

    QStringList outputs;
    for (const auto &process : processes)
        outputs.append(decodeToolOutput(process->readAllStandardOutput()));
    return outputs;
}
