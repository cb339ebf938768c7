#include "application.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tutor::setUpApplication();
    tutor::Form1 window;
    window.show();
    return app.exec();
}
