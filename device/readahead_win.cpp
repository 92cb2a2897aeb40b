#include "readahead.h"

#include <QtCore/private/qwindowspipereader_p.h>

void limitReadAhead(QProcess &process, qint64 bytes)
{
    // The process object's pipe readers are its children. A reader whose buffer is full
    // stops reading until the process object has taken data out of it.
    const auto readers = process.findChildren<QWindowsPipeReader *>();
    for (QWindowsPipeReader *reader : readers)
        reader->setMaxReadBufferSize(bytes);
}
