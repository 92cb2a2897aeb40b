#include "readahead.h"

void limitReadAhead(QProcess &, qint64)
{
    // Each read takes what the pipe holds, at most its own size: nothing to bound here.
}
