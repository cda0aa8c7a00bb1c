#include "PetlaOdczytow.h"

#include "Clock.h"
#include "IWizual.h"
#include "PoTakcie.h"
#include "StraznikPortu.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"
#include "clsKolejka.h"
#include "colRegulatory.h"

#include <exception>

PetlaOdczytow::PetlaOdczytow(Uslugi& uslugi, StraznikPortu& straznik, QObject* parent)
    : QObject(parent), m_uslugi(uslugi), m_straznik(straznik)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(kOkresMs);
    connect(&m_timer, &QTimer::timeout, this, &PetlaOdczytow::Takt);
}

void PetlaOdczytow::Takt()
{
    m_timer.stop();
    m_uslugi.poTakcie->PoczatekTaktu();
    m_teraz = m_uslugi.zegar->now();
    emit czas(m_uslugi.zegar->now().toString(QStringLiteral("hh:mm:ss")));
    m_uslugi.oBD->ZapiszZalegle();
    m_straznik.Pilnuj();
    odczytyOkresowe();
    krok(QStringLiteral("polecenie operatora"), {}, [this] { m_uslugi.oKolejka->Wykonaj(); });
    monitoring();
    m_timer.start();
    m_uslugi.poTakcie->KoniecTaktu();
}

// Each reading gets the time at which it is taken: a tick can run long (silent regulators, a
// window opened during it), and a reading stored with the tick's start would misdate it.
void PetlaOdczytow::odczytyOkresowe()
{
    for (clRegulator& r : *m_uslugi.oRegulatory) {
        if (r.aktywny)
            krok(QStringLiteral("odczyt okresowy"), r.Kod, [&] { r.OkresowyOdczyt(m_uslugi.zegar->now()); });
    }
}

void PetlaOdczytow::monitoring()
{
    for (clRegulator& r : *m_uslugi.oRegulatory) {
        if (!r.Monitoring)
            continue;
        m_uslugi.oWizual->eMonitoring(r.Id, true);
        krok(QStringLiteral("monitoring"), r.Kod, [&] { r.WczytajStanRegul(m_teraz); });
        m_uslugi.oWizual->eMonitoring(r.Id, false);
    }
}

void PetlaOdczytow::krok(const QString& opis, const QString& kodRegulatora, const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        m_uslugi.oBD->ZapiszDoLoga(
            QStringLiteral("Błąd pętli odczytów (%1): %2").arg(opis, QString::fromUtf8(e.what())),
            QStringLiteral("B"), QStringLiteral("K"), kodRegulatora);
    }
}
