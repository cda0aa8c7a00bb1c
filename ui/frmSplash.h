#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// The start-up splash with its progress line; the same window serves as the about box.
// Any key, the button or a click on the frame closes it.
class frmSplash : public QWidget
{
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Shows the text at once, before start-up goes on with its next step.
    void UstawPostep(const QString& tekst);

    // Shows a fresh window as the about box, modal over the program, deleted when closed.
    static void PokazOProgramie(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* obiekt, QEvent* event) override;

  private:
    QLabel* etykieta(const QString& tekst, const QString& nazwa, int punkty = 0);

    QFrame* m_ramka = nullptr;
    QLabel* m_postep = nullptr;
};
