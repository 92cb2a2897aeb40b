#include "qtcatalogues.h"

#include <QLibraryInfo>

QString qtCataloguesFolder()
{
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}
