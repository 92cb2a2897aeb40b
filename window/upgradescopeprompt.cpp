#include "upgradescopeprompt.h"

#include "device/hfid.h"
#include "device/networkkey.h"
#include "device/networkupgrade.h"

#include <QPushButton>

UpgradeScopePrompt::UpgradeScopePrompt(QWidget *parent, const DeviceRecord &selected,
                                       const DeviceList &sameModel, const QString &computer)
    : QMessageBox(parent)
{
    setWindowTitle(parent ? parent->window()->windowTitle() : QString());
    setIcon(QMessageBox::Question);
    setText(question(selected, sameModel, computer));
    everyAdapter = addButton(tr("Upgrade &all %n", nullptr, int(sameModel.size())), QMessageBox::AcceptRole);
    thisAdapter = addButton(tr("&This adapter only"), QMessageBox::AcceptRole);
    addButton(QMessageBox::Cancel);
    setDefaultButton(thisAdapter);
    setEscapeButton(QMessageBox::Cancel);
}

QString UpgradeScopePrompt::question(const DeviceRecord &selected, const DeviceList &sameModel,
                                     const QString &computer)
{
    QStringList others;
    for (const DeviceRecord &device : sameModel) {
        if (device.address.compare(selected.address, Qt::CaseInsensitive) == 0)
            continue;
        others.append(
            device.address.compare(computer, Qt::CaseInsensitive) == 0
                ? tr("- %1, the adapter this computer is connected through").arg(adapterLabel(device))
                : QStringLiteral("- ") + adapterLabel(device));
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

UpgradeScopePrompt::Scope UpgradeScopePrompt::askFor(QWidget *parent, const DeviceList &devices,
                                                     const DeviceRecord &selected)
{
    const DeviceList sameModel = adaptersOfModel(devices, selected);
    if (sameModel.size() < 2)
        return Scope::ThisAdapter;
    return UpgradeScopePrompt(parent, selected, sameModel, computerAdapterAddress(devices)).ask();
}
