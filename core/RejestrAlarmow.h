#pragma once

#include "PulaTekstow.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <deque>

struct Uslugi;

// One alarm raised during the run, every position as text, as the window shows them and the
// alarm rules compare them; the regulator number, alarm code and identity are written with the
// plain number-to-text conversion (" 7", " 201").
struct WierszAlarmu
{
    QString Czas;         // raise time, "dd/MM/yyyy hh:mm:ss"
    QString Regulator;    // regulator code
    QString TrescAlarmu;  // prefix of the code followed by the description
    QString NrRegul;      // regulator Id
    QString KodAlarmu;    // alarm code
    QString Opis;         // description as reported
    QString Aktywny;      // "A" active, "N" inactive
    QString Potwierdzony; // "N" not acknowledged, "T" acknowledged
    QString IdAlarmu;     // Id_alarmu of its row in Alarmy
    int Obrazek = 0;      // 1 communication alarm, 2 limit alarm, 0 none
};

// The register of the alarms raised since start: rows are only ever appended, so a row's
// 1-based position never changes. Each change is stored through oBD, counted in oApp and
// announced through oWizual; the current-alarms window displays the rows.
//
// A run of months keeps millions of rows, so a row keeps only its data (about 32 bytes and its
// description's bytes) and its texts are made when asked for; the active rows are indexed by
// regulator and code, so that raising, clearing and finding an alarm cost the same however
// long the register has grown.
class RejestrAlarmow : public QObject
{
    Q_OBJECT
  public:
    explicit RejestrAlarmow(Uslugi& uslugi, QObject* parent = nullptr);

    static QString Prefiks(int kodAlarmu);

    int Count() const { return int(m_alarmy.size()); }
    WierszAlarmu Wiersz(int pozycja) const;
    // What the list draws of a row besides its texts.
    bool Aktywny(int pozycja) const { return alarm(pozycja).aktywny; }
    bool Potwierdzony(int pozycja) const { return alarm(pozycja).potwierdzony; }
    int Obrazek(int pozycja) const { return obrazek(alarm(pozycja).kod); }
    // The position of the regulator's active row of the alarm code; 0 when it has none.
    int AktywnyWiersz(int nrRegul, int kod) const;

    // Adds an active, unacknowledged row unless the regulator has an active row of that code.
    void NowyAlarm(const QDateTime& Data, int NrRegul, int Kod, const QString& Opis);
    // Marks an active row inactive; a row that is already inactive is left as it is.
    void DezaktywujAlarm(int pozycja);
    // The operator's acknowledgement; a second acknowledgement changes nothing, and one the
    // file refuses leaves the row unacknowledged, unless the file never took the alarm's row.
    void Potwierdz(int pozycja);

  signals:
    void wierszDodany(int pozycja);
    void wierszZmieniony(int pozycja);

  private:
    // Regulator numbers and alarm codes are 16-bit, as everywhere in the system.
    struct Alarm
    {
        qint64 czas = 0; // raise time as shown: milliseconds from the start of its Julian day 0
        PulaTekstow::Miejsce opis;
        qint32 idAlarmu = 0;
        qint16 nrRegul = 0;
        qint16 kod = 0;
        bool aktywny = true;
        bool potwierdzony = false;
    };

    static int obrazek(int kod);
    static quint32 klucz(int nrRegul, int kod) { return quint32(quint16(nrRegul)) << 16 | quint16(kod); }
    const Alarm& alarm(int pozycja) const { return m_alarmy.at(size_t(pozycja - 1)); }
    QString regulator(int nrRegul) const;

    Uslugi& m_uslugi;
    std::deque<Alarm> m_alarmy;
    PulaTekstow m_opisy;
    // Position of each active row by regulator and code, and the active rows of each regulator.
    QHash<quint32, int> m_aktywne;
    QHash<qint16, int> m_aktywneRegulatora;
    // Rows active and rows unacknowledged, exact where the 16-bit counters of oApp stop.
    qint64 m_liczbaAktywnych = 0;
    qint64 m_liczbaNiepotwierdzonych = 0;
};
