#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace typecask {

bool useJapaneseQtTexts()
{
    // The program's own texts are Japanese whatever the locale, so Qt's follow them, not LANG.
    static QTranslator* translator = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (!t->load(u"qtbase_ja"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete t;
            return static_cast<QTranslator*>(nullptr);
        }
        QCoreApplication::installTranslator(t);
        return t;
    }();
    return translator != nullptr;
}

} // namespace typecask
