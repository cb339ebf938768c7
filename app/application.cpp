#include "application.h"

#include "fonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace tutor {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("brevik"));
    // The installed desktop entry's name: Wayland desktops find the window's icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tamlo.Brevik"));
    // One style on every desktop, so that buttons of graphical style show their colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFontSubstitutes();
}

} // namespace tutor
