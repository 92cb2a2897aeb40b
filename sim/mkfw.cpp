// Writes a firmware image for the simulated adapters:
//   pwlctl-mkfw OUTPUT VERSION DATE [BODY_BYTES]
#include "firmware.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() < 3 || args.size() > 4 || args.at(2).size() != 11) {
        std::fputs("usage: pwlctl-mkfw OUTPUT VERSION DATE(11 characters) [BODY_BYTES]\n", stderr);
        return 2;
    }
    FirmwareImage image{args.at(1), args.at(2), {}};
    const int size = args.size() == 4 ? args.at(3).toInt() : 65536;
    // A body that looks like data and differs between versions.
    QByteArray block = image.version.toLatin1();
    while (image.body.size() < size) {
        block = QCryptographicHash::hash(block, QCryptographicHash::Sha256);
        image.body += block;
    }
    image.body.truncate(size);

    QSaveFile file(args.at(0));
    const QByteArray bytes = encodeFirmware(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "pwlctl-mkfw: cannot write %s\n", qPrintable(args.at(0)));
        return 1;
    }
    return 0;
}
