#include "fonts.h"
#include "form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevik"));
    // One style everywhere, so that buttons of graphical style show their colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tutor::registerFontSubstitutes();

    tutor::Form1 window;
    window.show();
    return app.exec();
}
