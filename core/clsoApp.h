#pragma once

#include <QString>
#include <QVariant>

struct Uslugi;

// The application object: stored settings, SQL date delimiter, control mode, the operator's
// selection, alarm counters and the open-window flags. Plain storage apart from the three
// operations.
class clsoApp
{
  public:
    explicit clsoApp(Uslugi& uslugi) : m_uslugi(uslugi) {}

    // Settings. The port setting is either the number of the platform's n-th serial port
    // (nr_portu = n) or a device name used as it stands (nr_portu = 0, NazwaPortu = the name).
    quint8 nr_portu = 0;
    QString NazwaPortu;
    QString AdmHaslo;
    qint16 Dzwieki = 0;

    QString Znakdaty;
    bool TrybSterowania = false;
    QVariant ParametrGlob; // the login window's verdict

    qint16 NrAktRegulatora = 0;
    QString AktElStruktury;
    QString AktTypEl;
    qint16 IloscAktywnychAlarmow = 0;
    qint16 IloscNiePotwAlarmow = 0;
    bool Loaded_Panel = false;
    bool Loaded_Dane = false;
    qint16 IloscRegulatorow = 0;

    // Carried for completeness; nothing reads them.
    qint16 AutoKor = 0;
    qint16 AutoLiniaReg1 = 0;
    qint16 AutoLiniaReg2 = 0;
    bool Loaded_Komun = false;

    // Reads port, password and sounds. A stored value that does not convert reads as its
    // default meaning (sounds 0); it never ends the program.
    bool WczytajOpcje();

    // The serial device the port setting names.
    QString UrzadzeniePortu() const;

    // Switching on asks for the administrator's login; Tryb becomes False when it is refused.
    // The mode the answer chose holds from the moment it is given; switching on again before
    // the login has returned opens no second one. Every call announces the mode now in force.
    bool UstawTrybSterowania(bool& Tryb);
    bool PrzelaczTrybSterowania();

    // The port setting as the options dialog shows and stores it.
    QString TekstPortu() const;
    void UstawPort(const QString& tekst);

  private:
    void ogloszTryb(bool tryb);

    Uslugi& m_uslugi;
    bool m_logowanieTrwa = false; // a login is open, or answered while a tick runs inside it
};
