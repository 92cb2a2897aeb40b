#pragma once

#include <QString>

#include <optional>

// An adapter's name is the leading part of its HFID, in front of the model name
// (extractHfidPrefix): "Office" in "Office_PL500_FW1.02b05_FWDate_Jan 15 2014". A rename
// writes the name, "_" and the adapter's manufacturer HFID as its user HFID.

// The first character outside space to tilde, as a code point: an adapter's name and its
// network password take printable ASCII only. None when there is none.
std::optional<uint> firstOutsidePrintableAscii(const QString &text);

// A character that a name does not take, as the user is told of it: itself in quotes where it
// can be seen, with its code point after it ("U+00E9"); its code point alone where it cannot be
// seen.
QString describedCharacter(uint codePoint);

// The HFID without its name and the "_" after it: what a rename keeps of it.
QString hfidWithoutName(const QString &hfid);

// How many characters a name may have in front of this manufacturer HFID, so that the
// whole user HFID fits in an adapter; 0 when no name fits.
int nameRoom(const QString &manufacturerHfid);

// What the rename prompt is given for an adapter with this HFID: the name it has, cut to the
// most that any adapter takes (a longer one is refused all the same), and the manufacturer HFID
// that a new name goes in front of.
struct NameChoice
{
    QString name;
    QString manufacturerHfid;
};
NameChoice nameChoice(const QString &hfid);

// The HFID as a scan would list an adapter that holds it: the device line that the tool prints
// for it, read by the discovery reader. Empty when the reader finds no whole device line.
QString hfidAsListed(const QString &hfid);

// Why an adapter with this manufacturer HFID cannot take the name: a character other than
// printable ASCII (the first one is named), a part that the list of adapters would not read
// back (hfidAsListed, the part named), or too many characters. Empty when it can; an empty
// name removes the name and is always taken. In English for the event log unless translated.
QString nameRefusal(const QString &name, const QString &manufacturerHfid, bool translated = true);

// What the name prompt says under its question while the user types: how many characters
// the name may still have, or why the adapter would not take it.
QString namePromptText(const QString &typed, const QString &manufacturerHfid);
