#include "fonts.h"

#include "layout.h"

#include <QFont>
#include <QStringList>

namespace tutor {

void registerFontSubstitutes()
{
    const QString family = QString(reinterpret_cast<const QChar *>(kFontFamily.data()), qsizetype(kFontFamily.size()));
    QFont::insertSubstitutions(family, {QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW")});
}

} // namespace tutor
