#include "frmSplash.h"

#include "Nazwany.h"
#include "ObrazkiOkien.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    m_ramka = nazwany<QFrame>(QStringLiteral("Frame1"), this);
    m_ramka->setFrameShape(QFrame::Box);
    m_ramka->installEventFilter(this);

    auto* logo = nazwany<QLabel>(QStringLiteral("imgLogo"), m_ramka);
    logo->setPixmap(logoKalbor(QSize(64, 64)));
    m_postep = etykieta({}, QStringLiteral("lblProgress"));
    auto* ok = nazwany<QPushButton>(QStringLiteral("Command1"), QStringLiteral("&Ok"), m_ramka);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* uklad = new QGridLayout(m_ramka);
    uklad->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    uklad->addWidget(etykieta(QStringLiteral("Kalbor"), QStringLiteral("lblProductName"), 20), 0, 1);
    uklad->addWidget(etykieta(QStringLiteral("system nadzoru energii biernej"), QStringLiteral("Label3"), 11),
                     1, 1);
    uklad->addWidget(
        etykieta(QStringLiteral("Wersja ") + QStringLiteral(KALBOR_VERSION), QStringLiteral("lblVersion")), 2,
        1, Qt::AlignRight);
    uklad->addWidget(etykieta(QStringLiteral("Windows 95/98/NT/2000"), QStringLiteral("lblPlatform")), 3, 1,
                     Qt::AlignRight);
    uklad->addWidget(m_postep, 4, 0, 1, 2);
    uklad->addWidget(ok, 5, 1, Qt::AlignRight);
    uklad->setColumnStretch(1, 1);

    auto* zewnetrzny = new QVBoxLayout(this);
    zewnetrzny->setContentsMargins(6, 6, 6, 6);
    zewnetrzny->addWidget(m_ramka);
    setMinimumWidth(420);
}

QLabel* frmSplash::etykieta(const QString& tekst, const QString& nazwa, int punkty)
{
    auto* l = nazwany<QLabel>(nazwa, tekst, m_ramka);
    if (punkty > 0) {
        QFont font = l->font();
        font.setPointSize(punkty);
        font.setBold(true);
        l->setFont(font);
    }
    return l;
}

void frmSplash::UstawPostep(const QString& tekst)
{
    m_postep->setText(tekst);
    // Start-up runs without returning to the event loop, so paint now.
    m_postep->repaint();
}

void frmSplash::PokazOProgramie(QWidget* parent)
{
    auto* okno = new frmSplash(parent);
    okno->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    okno->setWindowModality(Qt::ApplicationModal);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->show();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    close();
}

bool frmSplash::eventFilter(QObject* obiekt, QEvent* event)
{
    if (obiekt == m_ramka && event->type() == QEvent::MouseButtonRelease)
        close();
    return QWidget::eventFilter(obiekt, event);
}
