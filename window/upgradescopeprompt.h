#pragma once

#include "device/devicerecord.h"

#include <QMessageBox>

// Whether a firmware upgrade is for the selected adapter alone or for every adapter of its
// model that the last scan listed. Asked only when there are others: "This adapter only" is
// the default, so that Return upgrades the selected adapter as ever; Cancel runs nothing.
class UpgradeScopePrompt : public QMessageBox
{
    Q_OBJECT

public:
    enum class Scope { Cancelled, ThisAdapter, EveryAdapter };

    // sameModel: the adapters of the selected one's model, the selected one among them;
    // computer: the address of the adapter that this computer is connected through, if known.
    UpgradeScopePrompt(QWidget *parent, const DeviceRecord &selected, const DeviceList &sameModel,
                       const QString &computer);

    // What the prompt asks: the others, each by name and address, this computer's said to be so.
    static QString question(const DeviceRecord &selected, const DeviceList &sameModel,
                            const QString &computer);

    // Asks, and tells what the user chose.
    Scope ask();
    // What the upgrade of the selected adapter is for: asked only where the list holds others of
    // its model; without them, the selected adapter alone.
    static Scope askFor(QWidget *parent, const DeviceList &devices, const DeviceRecord &selected);

private:
    QPushButton *everyAdapter = nullptr;
    QPushButton *thisAdapter = nullptr;
};
