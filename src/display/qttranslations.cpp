#include "display/qttranslations.h"

#include "core/audiencelocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtPortuguese(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    // "qt" is the catalogue that pulls in qtbase and the other modules' texts.
    if (!translator->load(audienceLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
