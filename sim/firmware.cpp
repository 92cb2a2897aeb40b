#include "firmware.h"

#include <QtEndian>

#include <zlib.h>

namespace {

constexpr int headerSize = 44;
constexpr int versionSize = 16;
constexpr int dateSize = 12;
const QByteArray magic = QByteArrayLiteral("PWFW");

quint32 crc32Of(const QByteArray &bytes)
{
    return quint32(::crc32(::crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.constData()),
                           uInt(bytes.size())));
}

QByteArray padded(const QString &text, int size)
{
    QByteArray bytes = text.toLatin1().left(size - 1);
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

QString unpadded(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? field : field.left(nul));
}

void appendLe32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

} // namespace

QByteArray encodeFirmware(const FirmwareImage &image)
{
    QByteArray bytes = magic;
    bytes.append("\x01\x00\x00\x00", 4);
    bytes += padded(image.version, versionSize);
    bytes += padded(image.date, dateSize);
    appendLe32(bytes, quint32(image.body.size()));
    appendLe32(bytes, crc32Of(image.body));
    return bytes + image.body;
}

bool decodeFirmware(const QByteArray &bytes, FirmwareImage *image, QString *error)
{
    if (bytes.size() < headerSize || !bytes.startsWith(magic)) {
        *error = QStringLiteral("not a firmware image");
        return false;
    }
    if (qFromLittleEndian<quint16>(bytes.constData() + 4) != 1) {
        *error = QStringLiteral("unsupported firmware image format");
        return false;
    }
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 36);
    const quint32 crc = qFromLittleEndian<quint32>(bytes.constData() + 40);
    const QByteArray body = bytes.mid(headerSize);
    if (quint32(body.size()) != length) {
        *error = QStringLiteral("firmware image is truncated or padded");
        return false;
    }
    if (crc32Of(body) != crc) {
        *error = QStringLiteral("firmware image is corrupt (CRC mismatch)");
        return false;
    }
    image->version = unpadded(bytes.mid(8, versionSize));
    image->date = unpadded(bytes.mid(8 + versionSize, dateSize));
    image->body = body;
    if (image->version.isEmpty() || image->date.size() != 11) {
        *error = QStringLiteral("firmware image has no valid version or date");
        return false;
    }
    return true;
}
