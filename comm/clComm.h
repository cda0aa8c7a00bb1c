#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <span>

struct Uslugi;
class PortSzeregowy;

// The serial protocol: turns a command name into its request frames, reads the reply bytes
// with a time-out and makes a second attempt when the first fails. Requests are made only from
// inside the polling tick, so they never overlap; Zajety is True while one runs.
class clComm
{
  public:
    explicit clComm(Uslugi& uslugi);

    bool Zajety = false;
    QString Stan;
    quint8 Port = 0;

    // The port in use; none makes every request time out.
    void UstawPort(PortSzeregowy* port) { m_port = port; }
    // What runs while a reply is awaited: by default the pending window events, once.
    void UstawPrzetwarzanieZdarzen(std::function<void()> f) { m_zdarzenia = std::move(f); }

    // Rozkaz holds the upper-cased name afterwards.
    bool WykonajPolecenie(int NrRegul, QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc);
    bool WyslijStr(const QByteArray& s);
    bool JestWBuforze();
    int CzytajBajt();
    bool CzytajDaneN(quint8& Dane);
    bool CzytajDane32(std::span<quint8> Dane);

    static constexpr int kProbyPolecenia = 2;
    // A wait ends at the third whole-second tick of the steady clock counted outside event
    // processing.
    static constexpr qint64 kCzasOczekiwaniaS = 2;

  private:
    // Outcome of one attempt; Koniec fails the request without a second attempt.
    enum class Wynik
    {
        Sukces,
        Porazka,
        Koniec
    };
    Wynik wykonajProbe(const QString& rozkaz, quint8 adres, std::span<quint8> Dane, quint8 Wartosc);
    Wynik czytajDiody(const QList<QByteArray>& ramki, std::span<quint8> Dane);
    void przeczekajSpoznionaOdpowiedz();

    Uslugi& m_uslugi;
    PortSzeregowy* m_port = nullptr;
    std::function<void()> m_zdarzenia;
    // A reply timed out since the last frame was written: its bytes may still be on their way.
    bool m_odpowiedzSpozniona = false;
};
