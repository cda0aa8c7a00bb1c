#pragma once
// Narrow interfaces through which the model reaches windows, the line and the operator.
// The user interface implements them; tests fake them.

#include <QString>
#include <functional>
#include <span>

// Command executor: the only way to a regulator. Dane receives the reply as the command
// defines it: a one-byte reply in element 0, the lamp bytes in elements 1..3, the measurement
// block in elements 0..31; commands without a reply leave it untouched (it may be empty).
class IKomunikator
{
  public:
    virtual ~IKomunikator() = default;
    virtual bool WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane,
                               quint8 Wartosc) = 0;
};

// Operator messages with an OK button only: modal ones, ones that stop nothing, and the
// database write errors, which stop nothing either.
class Komunikaty
{
  public:
    enum class Ikona
    {
        Brak,
        Informacja,
        Ostrzezenie,
        Krytyczna
    };
    virtual ~Komunikaty() = default;
    virtual void Pokaz(const QString& tekst, const QString& tytul, Ikona ikona) = 0;
    // Returns at once and holds nothing: the message stays until the operator closes it.
    virtual void PokazBezCzekania(const QString& tekst, const QString& tytul, Ikona ikona) = 0;
    // Returns at once, so that supervision goes on while the operator is away: one message
    // stays on the screen, and a text it already shows is counted rather than shown again.
    virtual void PokazBladZapisu(const QString& tekst) = 0;
};

// The administrator's login window, shown modally; it leaves its verdict in oApp.ParametrGlob.
// `poOdpowiedzi` is called as soon as the operator has answered, which is before PokazModalnie
// returns when a tick of the main loop runs inside the window; a window that closes without
// calling it leaves its verdict to be read when it returns.
class OknoLogowania
{
  public:
    virtual ~OknoLogowania() = default;
    virtual void PokazModalnie(const std::function<void()>& poOdpowiedzi) = 0;
};

// The regulator tree's node colouring for active alarms.
class DrzewoRegulatorow
{
  public:
    virtual ~DrzewoRegulatorow() = default;
    // Red background while the regulator has an active alarm, the window's own otherwise.
    virtual void UstawAlarmWezla(const QString& kodRegulatora, bool alarm) = 0;
};

// The front panel's four settable operating switches (panel switches 4 to 7, index 0..3 here).
class PrzelacznikiPanelu
{
  public:
    virtual ~PrzelacznikiPanelu() = default;
    virtual bool Value(int nr) const = 0;
    virtual void UstawZmieniony(int nr, bool zmieniony) = 0;
};

// Title of the program's message boxes.
inline const QString kTytulAplikacji = QStringLiteral("Kalbor");
