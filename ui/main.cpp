// Kalbor: supervisory workstation for reactive-power compensation regulators. Runs in the
// working directory, which holds the database file kalbor.mdb and the wave files.
#include "StartUp.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalbor"));
    // The windows are laid out in twips for an 8-point face of Arial's width.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    StartUp start;
    const int status = start.Uruchom();
    if (status != 0)
        return status;
    return QApplication::exec();
}
