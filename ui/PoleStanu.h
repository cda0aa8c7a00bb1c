#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;

// One panel of the main window's status bar: an optional picture followed by a text.
class PoleStanu : public QFrame
{
    Q_OBJECT
  public:
    explicit PoleStanu(QWidget* parent = nullptr);

    QString tekst() const;
    void UstawTekst(const QString& tekst);
    // A null picture removes it.
    void UstawObraz(const QPixmap& obraz);
    bool maObraz() const { return !m_obraz.isNull(); }
    QPixmap obraz() const { return m_obraz; }

  private:
    QLabel* m_etykietaObrazu;
    QLabel* m_etykietaTekstu;
    QPixmap m_obraz;
};
