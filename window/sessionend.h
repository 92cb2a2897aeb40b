#pragma once

class QString;
class QWidget;

// While an action runs, Windows is asked not to end the session (shut down, restart, sign
// out), with the reason that its "apps are preventing shutdown" screen shows beside the
// program's name; then it is let again. Elsewhere there is nothing to do.
void holdSessionEnd(QWidget &window, const QString &reason);
void releaseSessionEnd(QWidget &window);
