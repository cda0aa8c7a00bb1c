// The front panel: what it shows of the status bytes, the lock state, the four settable
// switches the settings operation reads, the commands its buttons queue, and its registration
// while open.
#include "GlownaTestuOkien.h"
#include "OknaTestowe.h"
#include "clRegulator.h"
#include "ctlDioda3d.h"
#include "ctlPrzel.h"
#include "fmpanel.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct Panel : StanowiskoOkien
{
    explicit Panel(bool otworz = true) : okno(otworz ? Otworz<fmpanel>() : nullptr) {}

    clRegulator& r() { return s.regulatory->Item(s.app->NrAktRegulatora); }
    ctlPrzel* przel(int i) const
    {
        return okno->findChild<ctlPrzel*>(QStringLiteral("ctlPrzel1(%1)").arg(i));
    }
    QPushButton* przycisk(const char* nazwa) const
    {
        return okno->findChild<QPushButton*>(QLatin1String(nazwa));
    }
    // Nine stage lamps, a blank, "zał." and "wył.": '*' lit, '.' unlit.
    QString lampy() const
    {
        QString t;
        const auto znak = [](const ctlDioda3d* d) { return d->Zapalona().toBool() ? u'*' : u'.'; };
        for (int i = 0; i < 9; ++i)
            t += znak(okno->findChild<ctlDioda3d*>(QStringLiteral("ctlDioda1(%1)").arg(i)));
        return t + u' ' + znak(okno->findChild<ctlDioda3d*>(u"ctlDiodaZal"_qs)) +
               znak(okno->findChild<ctlDioda3d*>(u"ctlDiodaWyl"_qs));
    }
    // Switches 0 to 11, '1' for on; with `dostepne`, '+' for enabled instead.
    QString przelaczniki(bool dostepne = false) const
    {
        QString t;
        for (int i = 0; i < 12; ++i)
            t += dostepne ? (przel(i)->Enabled() ? u'+' : u'-') : (przel(i)->Value() ? u'1' : u'0');
        return t;
    }
    QString wyswietlacz() const { return okno->findChild<QLineEdit*>(u"txtDisplay"_qs)->text(); }
    void przestaw(int i) { QTest::mouseDClick(przel(i), Qt::LeftButton); }

    fmpanel* okno;
};

} // namespace

Q_DECLARE_METATYPE(clsStan)

class TestPanel : public QObject
{
    Q_OBJECT
  private slots:
    void statusBytes_data();
    void statusBytes();
    void lockState_data();
    void lockState();
    void settableSwitchesReachTheSettingsOperation();
    void openAndCloseRegisterOnce();
};

void TestPanel::statusBytes_data()
{
    QTest::addColumn<clsStan>("stan");
    QTest::addColumn<QString>("lampy");
    QTest::addColumn<QString>("przelaczniki");
    QTest::addColumn<QString>("wyswietlacz");
    // Fields: Diod1, Diod2, Diod3, Display1..4, Przel1, Przel2.
    QTest::newRow("stages 1 and 9, display 1.23")
        << clsStan{0xFE, 0x7F, 0xFF, 0x10, 0x25, 0x3F, 0xA0, 0x00, 0x00} << u"*.......* .."_qs
        << u"000000000000"_qs << u"1.23  "_qs;
    // Only bit 7 of the second byte is stage 9; bits 7 and 6 of the third are "zał." and "wył.".
    QTest::newRow("all unlit, zał. lit") << clsStan{0xFF, 0x80, 0x7F, 0xF0, 0xF0, 0xF0, 0xF0, 0x81, 0xF0}
                                         << u"......... *."_qs << u"100000000001"_qs << u" .    "_qs;
    QTest::newRow("all lit, wył. lit, low nibbles ignored")
        << clsStan{0x00, 0x7F, 0xBF, 0x9F, 0x01, 0x7E, 0x5A, 0x0F, 0x0F} << u"********* .*"_qs
        << u"000011111111"_qs << u"9.075 "_qs;
    QTest::newRow("fixed switches by bit, settable by low nibble")
        << clsStan{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x1E, 0x05} << u"......... .."_qs << u"000110101110"_qs
        << u"0.000 "_qs;
}

void TestPanel::statusBytes()
{
    Panel p;
    QFETCH(clsStan, stan);
    p.r().Stan = stan;
    p.okno->OdswiezPanel();
    QTEST(p.lampy(), "lampy");
    QTEST(p.przelaczniki(), "przelaczniki");
    QTEST(p.wyswietlacz(), "wyswietlacz");
    QCOMPARE(p.okno->windowTitle(), u"Regulator 'KB-01'"_qs);
}

// The lock button works in either mode; "Ustaw" queues only while enabled, "Załącz" never.
void TestPanel::lockState_data()
{
    QTest::addColumn<bool>("zablokowany");
    QTest::addColumn<bool>("sterowanie");
    QTest::addColumn<QString>("blokuj");
    QTest::addColumn<QString>("dostepne"); // cmdUstaw, cmdZalacz, then switches 0 to 11
    QTest::addColumn<QStringList>("polecenia");
    QTest::newRow("unlocked, normal mode")
        << false << false << u"Zablokuj"_qs << u"-- ------------"_qs << QStringList{"2 Blokuj true"};
    QTest::newRow("locked, control mode") << true << true << u"Odblokuj"_qs << u"++ ----++++----"_qs
                                          << QStringList{"2 Blokuj false", "2 Ustaw_przel 0"};
}

void TestPanel::lockState()
{
    QFETCH(bool, zablokowany);
    QFETCH(bool, sterowanie);
    Panel p(false);
    p.s.app->NrAktRegulatora = 2;
    p.r().Zablokowany = zablokowany;
    p.s.app->TrybSterowania = sterowanie;
    p.okno = p.Otworz<fmpanel>();
    QTEST(p.przycisk("cmdBlokuj")->text(), "blokuj");
    QCOMPARE(p.przycisk("cmdUstaw")->isVisibleTo(p.okno), sterowanie);
    const QString dostepne = QString(p.przycisk("cmdUstaw")->isEnabled() ? u'+' : u'-') +
                             (p.przycisk("cmdZalacz")->isEnabled() ? u'+' : u'-') + u' ' +
                             p.przelaczniki(true);
    QTEST(dostepne, "dostepne");
    // An unlocked regulator's switches do not move under the operator's double-click.
    p.przestaw(5);
    QCOMPARE(p.okno->Value(1), zablokowany);
    for (const char* przycisk : {"cmdZalacz", "cmdBlokuj", "cmdUstaw"})
        p.przycisk(przycisk)->click();
    QTEST(p.polecenia(), "polecenia");
}

// Switches 4 and 7 flipped by the operator survive refreshes, reach the regulator as 0x09 and
// follow the regulator again once sent.
void TestPanel::settableSwitchesReachTheSettingsOperation()
{
    Panel p;
    QCOMPARE(p.s.uslugi.panel, static_cast<PrzelacznikiPanelu*>(p.okno));
    p.r().Zablokowany = true;
    p.okno->OdswiezPanel();
    p.przestaw(4);
    p.przestaw(7);
    p.okno->OdswiezPanel();
    QCOMPARE(p.przelaczniki().mid(4, 4), u"1001"_qs);
    QVERIFY(p.przel(4)->Zmieniony() && !p.przel(5)->Zmieniony());

    p.przycisk("cmdUstaw")->click();
    p.kolejka.Wykonaj();
    QVERIFY(p.s.komunikator.wywolania.contains(u"USTAW_SR:1:9"_qs));
    QVERIFY(!p.przel(4)->Zmieniony() && !p.przel(7)->Zmieniony());
    p.r().Stan.StanPrzel2 = 0;
    p.okno->OdswiezPanel();
    QCOMPARE(p.przelaczniki().mid(4, 4), u"0000"_qs);
}

void TestPanel::openAndCloseRegisterOnce()
{
    Panel p(false);
    sprawdzOtwieranie<fmpanel>(
        p, p.s.app->Loaded_Panel,
        [&p](QWidget* w) {
            return p.wizual.Cele().panel == dynamic_cast<PanelWizual*>(w) &&
                   p.s.uslugi.panel == dynamic_cast<PrzelacznikiPanelu*>(w);
        },
        u"PokazPanel"_qs);
}

KALBOR_TEST_OKIEN(TestPanel)
#include "tst_panel.moc"
