#pragma once

#include <QProcess>

// Bounds how much of a child's output the toolkit reads ahead of its reader. On Windows
// the toolkit otherwise keeps reading the pipe for as long as the child writes, before the
// process object reports any of it; elsewhere it reads one pipe's worth at a time anyway.
void limitReadAhead(QProcess &process, qint64 bytes);
