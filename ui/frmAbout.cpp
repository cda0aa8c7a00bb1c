#include "frmAbout.h"

#include "Interfaces.h"
#include "Nazwany.h"
#include "ObrazkiOkien.h"

#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

frmAbout::frmAbout(Komunikaty& komunikaty, QWidget* parent) : QDialog(parent), m_komunikaty(komunikaty)
{
    setWindowTitle(QStringLiteral("About ") + kTytulAplikacji);
    auto* ikona = new QLabel(this);
    ikona->setPixmap(logoKalbor(QSize(32, 32)));
    auto* tytul = nazwany<QLabel>(QStringLiteral("lblTitle"), kTytulAplikacji);
    auto* wersja = nazwany<QLabel>(QStringLiteral("lblVersion"),
                                   QStringLiteral("Version ") + QStringLiteral(KALBOR_VERSION));
    auto* ok = nazwany<QPushButton>(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok->setDefault(true);
    auto* info = nazwany<QPushButton>(QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this, &frmAbout::pokazInformacjeOSystemie);

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(ikona, 0, 0, 2, 1, Qt::AlignTop);
    uklad->addWidget(tytul, 0, 1);
    uklad->addWidget(wersja, 1, 1);
    uklad->addWidget(ok, 2, 2);
    uklad->addWidget(info, 3, 2);
}

void frmAbout::pokazInformacjeOSystemie()
{
    const QString narzedzie = QStandardPaths::findExecutable(QStringLiteral("msinfo32"));
    if (narzedzie.isEmpty() || !QProcess::startDetached(narzedzie, {}))
        m_komunikaty.Pokaz(QStringLiteral("System Information Is Unavailable At This Time"), windowTitle(),
                           Komunikaty::Ikona::Informacja);
}
