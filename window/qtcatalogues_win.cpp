#include "qtcatalogues.h"

#include <QCoreApplication>

// The zips carry the catalogues as the toolkit's deployment lays them out.
QString qtCataloguesFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}
