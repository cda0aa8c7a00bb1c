#pragma once

#include <QDialog>

class Komunikaty;

// The usual about box with a system-information button; the program does not show it.
class frmAbout : public QDialog
{
    Q_OBJECT
  public:
    explicit frmAbout(Komunikaty& komunikaty, QWidget* parent = nullptr);

  private:
    void pokazInformacjeOSystemie();

    Komunikaty& m_komunikaty;
};
