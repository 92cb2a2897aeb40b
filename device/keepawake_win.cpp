#include "keepawake.h"

#include <windows.h>

void keepAwake(bool awake)
{
    // The setting lasts until it is changed again; ES_CONTINUOUS alone hands sleep back.
    SetThreadExecutionState(awake ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}
