#include "OknaModalne.h"

#include "PoTakcie.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <memory>

namespace OknaModalne {

void Otworz(PoTakcie& poTakcie, const QString& nazwa, std::function<void()> otworz, const QString& klucz)
{
    poTakcie.Wykonaj(nazwa, std::move(otworz), klucz);
}

int Exec(const PoTakcie& poTakcie, QDialog& okno)
{
    if (poTakcie.TrwaTakt()) {
        qWarning("A modal window \"%s\" was asked for inside a tick, past the deferral: not opened",
                 qUtf8Printable(okno.windowTitle()));
        return QDialog::Rejected;
    }
    return okno.exec();
}

QMessageBox* NowyKomunikat(QWidget* rodzic, QMessageBox::Icon ikona, const QString& tytul,
                           const QString& tekst, QMessageBox::StandardButtons przyciski)
{
    return new QMessageBox(ikona, tytul, tekst, przyciski, rodzic);
}

bool Pytaj(const PoTakcie& poTakcie, QWidget* rodzic, const QString& tytul, const QString& tekst)
{
    std::unique_ptr<QMessageBox> okno(
        NowyKomunikat(rodzic, QMessageBox::Question, tytul, tekst, QMessageBox::Ok | QMessageBox::Cancel));
    return Exec(poTakcie, *okno) == QMessageBox::Ok;
}

void Komunikat(const PoTakcie& poTakcie, QWidget* rodzic, QMessageBox::Icon ikona, const QString& tytul,
               const QString& tekst)
{
    std::unique_ptr<QMessageBox> okno(NowyKomunikat(rodzic, ikona, tytul, tekst, QMessageBox::Ok));
    Exec(poTakcie, *okno);
}

namespace {

// Takes a click, or the Enter that presses the default button, off a running tick and gives it
// back when the tick has ended.
class Wstrzymanie final : public QObject
{
  public:
    Wstrzymanie(PoTakcie& poTakcie, QDialog& okno) : QObject(&okno), m_poTakcie(poTakcie), m_okno(okno)
    {
        okno.installEventFilter(this);
        for (QAbstractButton* przycisk : okno.findChildren<QAbstractButton*>())
            przycisk->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* obiekt, QEvent* event) override
    {
        if (!m_poTakcie.TrwaTakt())
            return false;
        if (auto* przycisk = qobject_cast<QAbstractButton*>(obiekt))
            return klikniecie(*przycisk, *event);
        if (obiekt == &m_okno && event->type() == QEvent::KeyPress)
            return enter(static_cast<QKeyEvent&>(*event));
        return false;
    }

  private:
    bool klikniecie(QAbstractButton& przycisk, const QEvent& event)
    {
        const bool mysz = event.type() == QEvent::MouseButtonRelease &&
                          static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
        const bool spacja =
            event.type() == QEvent::KeyRelease && static_cast<const QKeyEvent&>(event).key() == Qt::Key_Space;
        if (!(mysz || spacja) || !przycisk.isDown())
            return false;
        przycisk.setDown(false);
        QPointer<QAbstractButton> p(&przycisk);
        Otworz(m_poTakcie, QString(przycisk.text()).remove(u'&'), [p] {
            if (p)
                p->click();
        });
        return true;
    }

    bool enter(const QKeyEvent& event)
    {
        if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
            return false;
        QPointer<QDialog> okno(&m_okno);
        const int klawisz = event.key();
        const Qt::KeyboardModifiers modyfikatory = event.modifiers();
        Otworz(m_poTakcie, m_okno.windowTitle(), [okno, klawisz, modyfikatory] {
            QKeyEvent ponownie(QEvent::KeyPress, klawisz, modyfikatory);
            if (okno)
                QCoreApplication::sendEvent(okno, &ponownie);
        });
        return true;
    }

    PoTakcie& m_poTakcie;
    QDialog& m_okno;
};

} // namespace

void WstrzymujPrzyciski(PoTakcie& poTakcie, QDialog& okno)
{
    new Wstrzymanie(poTakcie, okno);
}

} // namespace OknaModalne
