#pragma once

#include <QWidget>

class ListaAlarmow;
class ModelAlarmow;
class QGroupBox;
class QMdiArea;
class QMdiSubWindow;
struct Uslugi;

// The current-alarms window: the register of the alarms raised during the run beside a legend
// of the four row looks. A double-click acknowledges a row. It is open for the whole run, so
// it refuses to close.
class fmAlarmyN : public QWidget
{
    Q_OBJECT
  public:
    explicit fmAlarmyN(Uslugi& uslugi, QWidget* parent = nullptr);

    // Creates the window as a sub-window of the main window's area, without a close box, at its
    // design place below the other windows.
    static QMdiSubWindow* OtworzW(QMdiArea* obszar, Uslugi& uslugi, const QIcon& ikona = {});

    void UstawIkone(const QIcon& ikona);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void utworzListe();
    void utworzLegende();
    void potwierdz(const QModelIndex& index);

    Uslugi& m_uslugi;
    ModelAlarmow* m_model = nullptr;
    ListaAlarmow* m_lista = nullptr;
    QGroupBox* m_legenda = nullptr;
};
