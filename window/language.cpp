#include "language.h"

#include "qtcatalogues.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The catalogues are resources of this static library, which are not registered by themselves.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(tandrel_translations);
}

QString installLanguage(const QLocale &locale)
{
    registerCatalogues();
    static QTranslator tandrel;
    static QTranslator toolkit;
    QCoreApplication::removeTranslator(&tandrel);
    QCoreApplication::removeTranslator(&toolkit);
    // English has a catalogue too, so that an English display language ahead of another one
    // is found first.
    if (!tandrel.load(locale, QStringLiteral("tandrel"), QStringLiteral("_"),
                      QStringLiteral(":/translations")))
        return QStringLiteral("en");
    const QString language = tandrel.language();
    QCoreApplication::installTranslator(&tandrel);
    if (language != QLatin1String("en") &&
        toolkit.load(QStringLiteral("qtbase_") + language, qtCataloguesFolder()))
        QCoreApplication::installTranslator(&toolkit);
    return language;
}
