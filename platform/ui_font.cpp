#include "platform/ui_font.h"

#include "core/fontconfig_source.h"

#include <QApplication>
#include <QFont>

namespace typecask {

QString useJapaneseUiFont()
{
    const QString family = matchedFamily(u"sans-serif:lang=ja"_qs);
    useUiFontFamily(family);
    return family;
}

void useUiFontFamily(const QString& family)
{
    if (family.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setFamilies({family});
    QApplication::setFont(font);
}

} // namespace typecask
