#include "OknaModalne.h"

#include "PoTakcie.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <deque>
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

bool Pytaj(const PoTakcie& poTakcie, QWidget* rodzic, const QString& tytul, const QString& tekst,
           const std::function<void(bool)>& poOdpowiedzi)
{
    std::unique_ptr<QMessageBox> okno(
        NowyKomunikat(rodzic, QMessageBox::Question, tytul, tekst, QMessageBox::Ok | QMessageBox::Cancel));
    if (poOdpowiedzi)
        QObject::connect(okno.get(), &QDialog::finished, okno.get(),
                         [poOdpowiedzi](int wynik) { poOdpowiedzi(wynik == QMessageBox::Ok); });
    return Exec(poTakcie, *okno) == QMessageBox::Ok;
}

void Komunikat(const PoTakcie& poTakcie, QWidget* rodzic, QMessageBox::Icon ikona, const QString& tytul,
               const QString& tekst)
{
    std::unique_ptr<QMessageBox> okno(NowyKomunikat(rodzic, ikona, tytul, tekst, QMessageBox::Ok));
    Exec(poTakcie, *okno);
}

namespace {

// Input to a dialog of Qt's own while a tick runs, kept and given back in the order it came when
// the tick has ended. Held at the application's event filter, the one point every event passes before any
// object sees it, whatever its kind or where it comes from (the window system, a replay, a test): a click,
// Space or Enter on a button, an Alt letter, a shortcut of the dialog's actions, the wheel, or any kind of
// input Qt adds later. None of them reaches the dialog while a tick runs, so none can open a window inside
// it.
class Wstrzymanie final : public QObject
{
  public:
    Wstrzymanie(PoTakcie& poTakcie, QDialog& okno) : QObject(&okno), m_poTakcie(poTakcie), m_okno(okno)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* obiekt, QEvent* event) override
    {
        // A shortcut override only asks the focus widget whether it takes the key itself; the
        // key is then held as the shortcut it makes, found as the dialog stands now, or as the
        // key press itself.
        if (!(event->isInputEvent() || event->type() == QEvent::Shortcut) ||
            event->type() == QEvent::ShortcutOverride || tylkoRuch(*event) || !wOknie(obiekt))
            return false;
        if (m_poTakcie.TrwaTakt()) {
            wstrzymaj(obiekt, *event);
            event->accept();
            return true;
        }
        return literaPrzycisku(obiekt, *event);
    }

  private:
    // The pointer passing over the dialog with no button down opens nothing: it keeps its hover
    // feedback, and the status line announces no wait the operator did not ask for.
    static bool tylkoRuch(const QEvent& event)
    {
        switch (event.type()) {
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
            return true;
        case QEvent::MouseMove:
            return static_cast<const QMouseEvent&>(event).buttons() == Qt::NoButton;
        default:
            return false;
        }
    }

    bool wOknie(const QObject* obiekt) const
    {
        for (const QObject* o = obiekt; o; o = o->parent())
            if (o == &m_okno)
                return true;
        return false;
    }

    // A button's Alt letter animates its click, which comes a tenth of a second later from a
    // timer and so may fall into the next tick: the letter clicks at once instead.
    static bool literaPrzycisku(QObject* obiekt, const QEvent& event)
    {
        auto* przycisk = qobject_cast<QAbstractButton*>(obiekt);
        if (!przycisk || event.type() != QEvent::Shortcut ||
            static_cast<const QShortcutEvent&>(event).isAmbiguous())
            return false;
        przycisk->click();
        return true;
    }

    void wstrzymaj(QObject* obiekt, const QEvent& event)
    {
        m_wstrzymane.push_back({obiekt, std::unique_ptr<QEvent>(event.clone())});
        if (std::exchange(m_czeka, true))
            return;
        auto* przycisk = qobject_cast<QAbstractButton*>(obiekt);
        const QString nazwa = przycisk ? QString(przycisk->text()).remove(u'&') : m_okno.windowTitle();
        Otworz(
            m_poTakcie, nazwa,
            [ten = QPointer<Wstrzymanie>(this)] {
                if (ten)
                    ten->oddaj();
            },
            QStringLiteral("wejście %1").arg(quintptr(this)));
    }

    // Input held during a later tick, inside a window the given back input opened, joins the
    // same queue behind what is still held, so the order holds there too.
    void oddaj()
    {
        m_czeka = false;
        const QPointer<Wstrzymanie> ten(this);
        while (ten && !m_wstrzymane.empty()) {
            Wstrzymane w = std::move(m_wstrzymane.front());
            m_wstrzymane.pop_front();
            if (w.cel)
                QCoreApplication::sendEvent(w.cel, w.event.get());
        }
    }

    struct Wstrzymane
    {
        QPointer<QObject> cel;
        std::unique_ptr<QEvent> event;
    };

    PoTakcie& m_poTakcie;
    QDialog& m_okno;
    std::deque<Wstrzymane> m_wstrzymane;
    bool m_czeka = false; // given back at the end of the running tick
};

} // namespace

void WstrzymujWejscie(PoTakcie& poTakcie, QDialog& okno)
{
    new Wstrzymanie(poTakcie, okno);
}

} // namespace OknaModalne
