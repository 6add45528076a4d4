#include "setup.h"
#include "look.h"
#include "messages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rt {

void setUp()
{
    QApplication::setApplicationName(kAppTitle);
    installFonts();
    if (QLocale().language() == QLocale::German) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace rt
