#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct Uslugi;

// One alarm raised during the run. Every position is text, as the window shows and the alarm
// rules compare it; the regulator number, alarm code and identity are written with the plain
// number-to-text conversion (" 7", " 201"), and the rules compare them the same way.
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
class RejestrAlarmow : public QObject
{
    Q_OBJECT
  public:
    explicit RejestrAlarmow(Uslugi& uslugi, QObject* parent = nullptr);

    static QString Prefiks(int kodAlarmu);

    int Count() const { return int(m_wiersze.size()); }
    const WierszAlarmu& Wiersz(int pozycja) const { return m_wiersze.at(size_t(pozycja - 1)); }

    // Adds an active, unacknowledged row unless the regulator has an active row of that code.
    void NowyAlarm(const QDateTime& Data, int NrRegul, int Kod, const QString& Opis);
    // Marks an active row inactive; a row that is already inactive is left as it is.
    void DezaktywujAlarm(int pozycja);
    // The operator's acknowledgement; a second acknowledgement changes nothing, and one the
    // file refuses leaves the row unacknowledged.
    void Potwierdz(int pozycja);

  signals:
    void wierszDodany(int pozycja);
    void wierszZmieniony(int pozycja);

  private:
    // An active row of the regulator; of the given alarm code only when one is given.
    bool maAktywny(int nrRegul, std::optional<int> kod = std::nullopt) const;
    qint32 idAlarmu(int pozycja) const;
    void zmniejsz(qint16& licznik, const std::function<bool(const WierszAlarmu&)>& liczony) const;

    Uslugi& m_uslugi;
    std::vector<WierszAlarmu> m_wiersze;
};
