#include "sessionend.h"

void holdSessionEnd(QWidget &, const QString &) {}

void releaseSessionEnd(QWidget &) {}
