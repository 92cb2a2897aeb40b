#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

class QWidget;

// Takes the lock unless a running Tandrel holds it, and says whether one does. A lock that
// no running process holds is taken over, whatever process id it names: a Tandrel that was
// killed leaves its lock behind, and Windows gives its id to later processes, this one too.
// A lock that cannot be taken for another reason (a folder the user cannot write) is not held.
bool heldByRunningTandrel(QLockFile &lock);

// One Tandrel per working folder: a second one would empty the first one's event log and
// run the tool beside it. The lock lies beside the log; a Tandrel that ended without
// letting go of it (a crash, a kill) leaves a stale lock that the next start takes over.
class FolderLock
{
public:
    FolderLock();

    // Another Tandrel runs in this folder. A folder that takes no lock file at all (one the
    // user cannot write) is not held: Tandrel starts, and tells that it cannot log there.
    bool heldElsewhere() const { return elsewhere; }

    // The Tandrel that holds the lock brings its window to the front when another one starts.
    void raiseOnKnock(QWidget &window);
    // Lets go of the lock before the end, when the end may come too soon for the destructor.
    void release() { lock.unlock(); }

    // Asks the Tandrel that holds the lock to come to the front.
    static void knock();

    // "Tandrel is already running in this folder." and the folder.
    static QString alreadyRunningText(const QString &folder);

private:
    QLockFile lock;
    bool elsewhere = false;
    QLocalServer server;
};
