#include "upgradescopeprompt.h"

#include "device/hfid.h"
#include "device/networkkey.h"

#include <QPushButton>

UpgradeScopePrompt::UpgradeScopePrompt(QWidget *parent, const DeviceRecord &selected,
                                       const DeviceList &sameModel)
    : QMessageBox(parent)
{
    setWindowTitle(parent ? parent->window()->windowTitle() : QString());
    setIcon(QMessageBox::Question);
    setText(question(selected, sameModel));
    everyAdapter = addButton(tr("Upgrade &all %n", nullptr, int(sameModel.size())), QMessageBox::AcceptRole);
    thisAdapter = addButton(tr("&This adapter only"), QMessageBox::AcceptRole);
    const QPushButton *cancel = addButton(QMessageBox::Cancel);
    Q_UNUSED(cancel)
    setDefaultButton(thisAdapter);
    setEscapeButton(QMessageBox::Cancel);
}

QString UpgradeScopePrompt::question(const DeviceRecord &selected, const DeviceList &sameModel)
{
    QStringList others;
    for (const DeviceRecord &device : sameModel) {
        if (device.address.compare(selected.address, Qt::CaseInsensitive) != 0)
            others.append(QStringLiteral("- ") + adapterLabel(device));
    }
    // English without a translation shows the source text: the one adapter has its own.
    const QString listed =
        others.size() == 1
            ? tr("The last scan also listed one other adapter of model %1:")
            : tr("The last scan also listed %n other adapters of model %1:", nullptr, int(others.size()));
    return listed.arg(modelName(selected.hfid)) + QLatin1Char('\n') + others.join(QLatin1Char('\n')) +
           QStringLiteral("\n\n") +
           tr("They can all get this firmware, one at a time, in an order that keeps this computer's way to "
              "the others: the adapter this computer is connected through last.");
}

UpgradeScopePrompt::Scope UpgradeScopePrompt::ask()
{
    exec();
    if (clickedButton() == everyAdapter)
        return Scope::EveryAdapter;
    if (clickedButton() == thisAdapter)
        return Scope::ThisAdapter;
    return Scope::Cancelled;
}
