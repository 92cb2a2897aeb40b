#pragma once

#include <QByteArray>
#include <QString>

// Firmware images of the simulated adapters: a 44-byte little-endian header (magic
// "PWFW", format 1, a reserved word, the version in 16 bytes and the date in 12, both
// NUL-padded, the body length and the CRC-32 of the body), then the body.
struct FirmwareImage
{
    QString version; // "2.01b03"
    QString date;    // "Jun 30 2016", 11 characters
    QByteArray body;
};

QByteArray encodeFirmware(const FirmwareImage &image);

// Reads an image; on failure returns false and says why in `error`.
bool decodeFirmware(const QByteArray &bytes, FirmwareImage *image, QString *error);
