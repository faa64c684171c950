#include "naming/VevizeMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("YavName"));
    QApplication::setApplicationDisplayName(QStringLiteral("云朵朵取名软件"));
    // Dates travel as "yyyy-MM-dd" texts inside the program only (see core/dates.h); the
    // desktop's own date and time settings are left alone.
    DIzoDuzede window;
    window.show();
    return app.exec();
}
