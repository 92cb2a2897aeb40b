#include "sessionend.h"

#include <QString>
#include <QWidget>

#include <windows.h>

// The window must exist already: one made for this would be a window of its own. wine does
// not implement these calls, and nothing depends on what they return.

void holdSessionEnd(QWidget &window, const QString &reason)
{
    if (const WId id = window.internalWinId())
        ShutdownBlockReasonCreate(reinterpret_cast<HWND>(id), reinterpret_cast<LPCWSTR>(reason.utf16()));
}

void releaseSessionEnd(QWidget &window)
{
    if (const WId id = window.internalWinId())
        ShutdownBlockReasonDestroy(reinterpret_cast<HWND>(id));
}
