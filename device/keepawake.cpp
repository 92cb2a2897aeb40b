#include "keepawake.h"

void keepAwake(bool) {}
