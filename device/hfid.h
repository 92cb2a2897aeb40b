#pragma once

#include <QString>

// An HFID reads "[PREFIX_]MODEL_FWVERSION_FWDate_DATE". The cuts below take the first match
// from the end and keep everything when a marker is missing; a missing marker counts as
// index -1, so the cuts still land at fixed offsets.

// The model name: after the last "_" in front of the firmware fields.
QString modelName(const QString &hfid);
// The pieces that the banner shows besides the model.
QString firmwareDate(const QString &hfid);
QString firmwareVersion(const QString &hfid);

// The leading part of an HFID, in front of the model name; empty when there is none.
QString extractHfidPrefix(const QString &hfid);

// The HFID that a get_hfid output reports: from the first "hfid: " to the end, trimmed.
// Empty when the output has no such marker or nothing after it.
QString reportedHfid(const QString &output);

// The user HFID that keeps the configured prefix in front of a new manufacturer HFID.
QString keptUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid);

// The most bytes (UTF-8) that an adapter takes for an HFID.
constexpr int maxHfidBytes = 64;

// The kept user HFID, its prefix shortened (never the manufacturer HFID, never inside a
// character) so that the whole fits in an adapter.
struct FittedHfid
{
    QString hfid;
    bool shortened = false;
};
FittedHfid fittedUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid);

// The beginning of a text, at most maxChars UTF-16 units long or maxBytes long in UTF-8, and
// never half a character: a surrogate pair is kept whole or left out.
QString leftWholeCharacters(const QString &text, int maxChars);
QString leftWithinUtf8Bytes(const QString &text, int maxBytes);
