#pragma once

#include <QObject>
#include <QTimer>

class StraznikPortu;
struct Uslugi;

// While the start's port loop waits for the operator (its message, then the options dialog), the
// port saved in the settings is tried again at the guardian's pace. Once it opens, the window
// waiting for the operator is closed, so that a plant whose adapter appears only after the
// program has started supervises without anyone present.
class CzekanieNaPort : public QObject
{
    Q_OBJECT
  public:
    CzekanieNaPort(Uslugi& uslugi, StraznikPortu& straznik);

    // How often the pace is looked at; the attempts themselves follow the guardian's clock.
    static constexpr int kSprawdzanieMs = 100;

  private:
    void sprobuj();

    Uslugi& m_uslugi;
    StraznikPortu& m_straznik;
    QTimer m_timer;
};
