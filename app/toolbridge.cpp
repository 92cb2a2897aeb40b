#include "widget.h"

#include <QMessageBox>

#include <memory>
#include <vector>

QString Widget::runTool(ToolProcess &process, const ToolRun &run, RunStatus *status)
{
    const CurrentAction::Scope scope(action);
    process.setArguments(run.arguments);
    const QString command = shownCommand(process.arguments(), run.secret);
    appendLog(emittingRecord(process.arguments(), run.secret));
    runningCommands.append(command);
    if (run.busyButton)
        action.enterBusy(run.busyButton);

    process.setOutputCap(toolLimits.outputCapBytes);
    process.startRun();
    action.wait(&process, QDeadlineTimer(run.timeLimitMs));

    QString output;
    if (run.record != RunRecord::EmittingOnly) {
        output = decodeToolOutput(process.output());
        // Megabytes of output take a while to decode and again to log.
        action.breathe();
        if (run.record == RunRecord::Everything)
            appendLog(output);
        if (process.outputCut())
            appendLog(outputCutRecord(process.outputCap()));
        appendLog(finishedRecord(process.status()));
    }
    if (status)
        *status = process.status();
    // A run that outlived its limit ends here, once its records are written: left running,
    // it would refuse the next start on this process and outlive the action.
    endTool(process);
    runningCommands.removeOne(command);

    if (run.busyButton && run.leaveBusy)
        action.leaveBusy(run.busyButton);
    return output;
}

QStringList Widget::runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs)
{
    const CurrentAction::Scope scope(action);
    std::vector<std::unique_ptr<ToolProcess>> processes;
    for (const QStringList &arguments : argumentLists) {
        auto process = std::make_unique<ToolProcess>(toolLimits.outputCapBytes);
        process->setArguments(arguments);
        process->startRun();
        appendLog(emittingRecord(process->arguments()));
        runningCommands.append(shownCommand(process->arguments()));
        processes.push_back(std::move(process));
    }

    // The runs started together, so one time limit bounds them all, however many hang and
    // however long their boxes stay open: each one still has the whole limit to answer in.
    const QDeadlineTimer deadline(timeLimitMs);
    for (const auto &process : processes) {
        action.wait(process.get(), deadline);
        const RunStatus status = process->status();
        if (status.error == QProcess::FailedToStart)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("Failed to emit pwlctl.exe!"),
                                  QMessageBox::Ok, QMessageBox::NoButton);
        else if (status.error == QProcess::Crashed)
            QMessageBox::critical(this, windowTitle(), QStringLiteral("pwlctl.exe crashed!"), QMessageBox::Ok,
                                  QMessageBox::NoButton);
        if (process->outputCut())
            appendLog(outputCutRecord(process->outputCap()));
        appendLog(finishedRecord(status));
    }

    QStringList outputs;
    for (const auto &process : processes) {
        outputs.append(decodeToolOutput(process->output()));
        runningCommands.removeOne(shownCommand(process->arguments()));
    }
    return outputs;
}
