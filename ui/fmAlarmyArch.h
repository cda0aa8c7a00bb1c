#pragma once

#include "OdczytHistorii.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QFrame;
class QMdiArea;
class QPushButton;
class QTreeWidget;
struct Uslugi;

// The alarm archive "Archiwum alarmów": the alarms stored for one regulator and one calendar
// day, those of earlier runs too. It only reads the table, and the list shows the last reload:
// new alarms appear after the next one. The day is read away from the polling.
class fmAlarmyArch : public QWidget
{
    Q_OBJECT
  public:
    explicit fmAlarmyArch(Uslugi& uslugi, QWidget* parent = nullptr);

    // Opens the window as a sub-window of the area, or brings the open one forward, which keeps
    // the operator's choice of regulator and day.
    static fmAlarmyArch* Otworz(QMdiArea& obszar, Uslugi& uslugi);

    // Reloads the list for the chosen regulator and day. Asked for while a day is being read,
    // the list is read again for the choice of then once that read has ended.
    void WczytajAlarmy();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void utworzListe();
    void utworzNarzedzia();
    QPushButton* przycisk(const QString& nazwa, const QString& tekst, const QRect& miejsce);
    void przesunDzien(int dni);
    void pokaz(const std::vector<QStringList>& wiersze);

    Uslugi& m_uslugi;
    QTreeWidget* m_lista = nullptr;
    QFrame* m_narzedzia = nullptr;
    QDateEdit* m_data = nullptr;
    QComboBox* m_regul = nullptr;
    OdczytHistorii m_odczyt;
    bool m_ponownie = false;
};
