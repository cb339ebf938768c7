#include "application.h"

#include "fonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace tutor {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("brevik"));
    // One style on every desktop, so that buttons of graphical style show their colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFontSubstitutes();
}

} // namespace tutor
