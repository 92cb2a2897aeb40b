#!/usr/bin/python3
# What a screen reader hears of Tandrel: an AT-SPI client that writes one line to HEARD for each
# event of Tandrel's application that a screen reader speaks from.
#   focus ROLE "NAME"[ unavailable][ selected] in "CONTEXT"   the focus moved; CONTEXT holds the
#                                                named containers below the window, said first
#   name ROLE "NAME"                             the focused object's name changed
#   unavailable|available ROLE "NAME"            a button can no longer, or again, be used
#   asked "NAME"                                 the focused object's name when asked (SIGUSR1), as
#                                                a screen reader's "say where I am" reads it
# It writes "ready" once it listens, and ends on SIGTERM.
#   screenreader.py HEARD
import signal
import sys

import pyatspi
from gi.repository import GLib

heard = open(sys.argv[1], "a", buffering=1)
focused = None


def say(line):
    heard.write(line + "\n")


def quoted(text):
    return '"%s"' % (text or "").replace("\n", " / ")


def states(accessible):
    state = accessible.getState()
    said = []
    if not state.contains(pyatspi.STATE_SENSITIVE):
        said.append(" unavailable")
    if state.contains(pyatspi.STATE_SELECTED):
        said.append(" selected")
    return "".join(said)


def context(accessible):
    names = []
    parent = accessible.parent
    # Up to the window, whose title a screen reader has said when it became active.
    while parent is not None and parent.parent is not None and \
            parent.parent.getRole() != pyatspi.ROLE_APPLICATION:
        if parent.name:
            names.append(parent.name)
        parent = parent.parent
    return " > ".join(reversed(names))


def tandrels(event):
    try:
        return event.host_application.name == "Tandrel"
    except Exception:  # the application went away meanwhile
        return False


def heard_event(event):
    global focused
    if not tandrels(event):
        return
    source = event.source
    try:
        role = source.getRoleName()
        if event.type.startswith("focus"):
            focused = source
            say("focus %s %s%s in %s" % (role, quoted(source.name), states(source), quoted(context(source))))
        elif event.type.startswith("object:property-change:accessible-name"):
            if source == focused:
                say("name %s %s" % (role, quoted(source.name)))
        elif event.type.startswith("object:state-changed:sensitive") and role == "push button":
            say("%s %s %s" % ("available" if event.detail1 else "unavailable", role, quoted(source.name)))
    except Exception as error:  # an object that is gone by the time it is asked about
        say("gone %s" % error)


def asked():
    if focused is not None:
        try:
            focused.clearCache()
            say("asked %s" % quoted(focused.name))
        except Exception as error:
            say("gone %s" % error)
    return GLib.SOURCE_CONTINUE


def stop():
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, asked)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
pyatspi.Registry.registerEventListener(heard_event, "focus:", "object:property-change:accessible-name",
                                       "object:state-changed:sensitive")
say("ready")
pyatspi.Registry.start()
