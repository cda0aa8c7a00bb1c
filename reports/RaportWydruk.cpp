#include "RaportWydruk.h"

#include "RaportFormat.h"
#include "TextFormat.h"
#include "Twipy.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarginesMm = 15.0;
constexpr int kGruboscLinii = 15; // about one pixel on the screen

QFont czcionka(const Czcionka& c)
{
    QFont f(c.rodzina);
    f.setPixelSize(int(std::lround(c.punkty * kTwipyNaPunkt))); // the painter's unit is one twip
    f.setBold(c.pogrubiona);
    f.setItalic(c.kursywa);
    return f;
}

} // namespace

RaportWydruk::RaportWydruk(RaportUklad uklad, std::vector<QSqlRecord> wiersze, QDateTime wydrukowano)
    : m_uklad(std::move(uklad)), m_wiersze(std::move(wiersze)), m_wydrukowano(std::move(wydrukowano))
{
    for (const Sekcja* s : {&m_uklad.RaportNagl, &m_uklad.StronaNagl, &m_uklad.Szczegoly,
                            &m_uklad.StronaStopka, &m_uklad.RaportStopka})
        przygotuj(*s);
}

// Every row comes from one statement, so a column sits at the same position in all of them.
void RaportWydruk::przygotuj(const Sekcja& s)
{
    for (const Element& e : s.elementy) {
        if (e.rodzaj == Element::Rodzaj::Linia || e.rodzaj == Element::Rodzaj::Tlo)
            continue;
        Przygotowanie& p = m_przygotowanie[&e];
        p.czcionka = czcionka(e.czcionka);
        if (e.rodzaj == Element::Rodzaj::Pole && !m_wiersze.empty())
            p.kolumna = m_wiersze.front().indexOf(e.tekst);
        if (e.rodzaj == Element::Rodzaj::Agregat)
            p.agregat = RaportFormat::Wartosc(Agregat(e.funkcja, e.tekst), e.format);
    }
}

void RaportWydruk::Rozloz(QSizeF strona)
{
    if (strona == m_strona && !m_strony.empty())
        return;
    m_strona = strona;
    const int wysokosc = int(strona.height());
    const int stopka = wysokosc - m_uklad.StronaStopka.wysokosc;
    m_strony.clear();
    int y = 0;
    auto nowaStrona = [&] {
        if (!m_strony.empty())
            m_strony.back().push_back({&m_uklad.StronaStopka, stopka, -1});
        m_strony.emplace_back();
        y = 0;
    };
    // A section that does not fit under the page's last one moves to a new page.
    auto umiesc = [&](const Sekcja& s, int wiersz) {
        if (y + s.wysokosc > stopka && y > m_uklad.StronaNagl.wysokosc) {
            nowaStrona();
            m_strony.back().push_back({&m_uklad.StronaNagl, 0, -1});
            y = m_uklad.StronaNagl.wysokosc;
        }
        m_strony.back().push_back({&s, y, wiersz});
        y += s.wysokosc;
    };
    nowaStrona();
    umiesc(m_uklad.RaportNagl, -1);
    umiesc(m_uklad.StronaNagl, -1);
    for (int i = 0; i < int(m_wiersze.size()); ++i)
        umiesc(m_uklad.Szczegoly, i);
    umiesc(m_uklad.RaportStopka, -1);
    m_strony.back().push_back({&m_uklad.StronaStopka, stopka, -1});
}

void RaportWydruk::MalujStrone(QPainter& p, int nr) const
{
    // Lines and texts share one black pen; texts take only its colour.
    p.setPen(QPen(Qt::black, kGruboscLinii));
    for (const Miejsce& m : m_strony.at(size_t(nr - 1)))
        malujSekcje(p, m, nr);
}

void RaportWydruk::malujSekcje(QPainter& p, const Miejsce& m, int nr) const
{
    p.save();
    p.translate(0, m.y);
    for (const Element& e : m.sekcja->elementy)
        malujElement(p, e, nr, m.wiersz);
    p.restore();
}

void RaportWydruk::malujElement(QPainter& p, const Element& e, int nr, int wiersz) const
{
    switch (e.rodzaj) {
    case Element::Rodzaj::Linia:
        p.drawLine(e.obszar.topLeft(), e.obszar.bottomRight());
        return;
    case Element::Rodzaj::Tlo:
        p.fillRect(e.obszar, e.kolor);
        return;
    default:
        p.setFont(m_przygotowanie.at(&e).czcionka);
        const int flagi = int(e.wyrownanie) | Qt::TextIncludeTrailingSpaces | Qt::TextDontClip |
                          (e.zawijanie ? Qt::TextWordWrap : 0);
        p.drawText(e.obszar, flagi, Tekst(e, nr, wiersz));
    }
}

QString RaportWydruk::Tekst(const Element& e, int nr, int wiersz) const
{
    switch (e.rodzaj) {
    case Element::Rodzaj::Pole:
        return wiersz < 0 ? QString()
                          : RaportFormat::Wartosc(
                                m_wiersze[size_t(wiersz)].value(m_przygotowanie.at(&e).kolumna), e.format);
    case Element::Rodzaj::Agregat:
        return m_przygotowanie.at(&e).agregat;
    default: {
        QString t = e.tekst;
        t.replace(QLatin1String("%d"), TextFormat::date(m_wydrukowano, u"dd/MM/yyyy"));
        t.replace(QLatin1String("%P"), QString::number(LiczbaStron()));
        t.replace(QLatin1String("%p"), QString::number(nr));
        return t;
    }
    }
}

QVariant RaportWydruk::Agregat(Funkcja funkcja, const QString& pole) const
{
    double wynik = 0;
    int ile = 0;
    const int kolumna = m_wiersze.empty() ? -1 : m_wiersze.front().indexOf(pole);
    for (const QSqlRecord& r : m_wiersze) {
        const QVariant v = r.value(kolumna);
        if (v.isNull())
            continue;
        const double x = v.toDouble();
        if (ile == 0 && (funkcja == Funkcja::Min || funkcja == Funkcja::Maks))
            wynik = x;
        else if (funkcja == Funkcja::Min)
            wynik = std::min(wynik, x);
        else if (funkcja == Funkcja::Maks)
            wynik = std::max(wynik, x);
        else
            wynik += x;
        ++ile;
    }
    if (ile == 0)
        return {};
    return funkcja == Funkcja::Srednia ? wynik / ile : wynik;
}

void RaportWydruk::Rozloz(const QPrinter& drukarka)
{
    const double skala = drukarka.resolution() / kTwipyNaCal;
    Rozloz(QSizeF(drukarka.pageLayout().paintRectPixels(drukarka.resolution()).size()) / skala);
}

void RaportWydruk::Drukuj(QPrinter& drukarka, int biezaca)
{
    Rozloz(drukarka);
    const std::vector<int> strony = StronyWydruku(drukarka, biezaca);
    if (strony.empty())
        return; // a range past the last page: no blank sheet either
    const double skala = drukarka.resolution() / kTwipyNaCal;
    QPainter p(&drukarka);
    p.scale(skala, skala);
    for (size_t i = 0; i < strony.size(); ++i) {
        if (i > 0)
            drukarka.newPage();
        MalujStrone(p, strony[i]);
    }
}

std::vector<int> RaportWydruk::StronyWydruku(const QPrinter& drukarka, int biezaca) const
{
    const QPageRanges zakres = drukarka.pageRanges();
    std::vector<int> strony;
    for (int nr = 1; nr <= LiczbaStron(); ++nr) {
        switch (drukarka.printRange()) {
        case QPrinter::PageRange:
            if (zakres.isEmpty() || zakres.contains(nr))
                strony.push_back(nr);
            break;
        case QPrinter::CurrentPage:
            if (nr == biezaca)
                strony.push_back(nr);
            break;
        default:
            strony.push_back(nr);
        }
    }
    if (drukarka.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(strony.begin(), strony.end());
    // A printer that makes its copies itself gets the pages once.
    const int kopie = drukarka.supportsMultipleCopies() ? 1 : std::max(1, drukarka.copyCount());
    std::vector<int> wynik;
    if (drukarka.collateCopies()) {
        for (int k = 0; k < kopie; ++k)
            wynik.insert(wynik.end(), strony.begin(), strony.end());
    } else {
        for (int nr : strony)
            wynik.insert(wynik.end(), size_t(kopie), nr);
    }
    return wynik;
}

QImage RaportWydruk::Obraz(int nr, int dpi)
{
    const QPageLayout uklad = Strona();
    const double skala = dpi / kTwipyNaCal;
    const QRect obszar = uklad.paintRectPixels(dpi);
    Rozloz(QSizeF(obszar.size()) / skala);
    QImage obraz(uklad.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    obraz.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    obraz.setDotsPerMeterY(obraz.dotsPerMeterX());
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(obszar.topLeft());
    p.scale(skala, skala);
    MalujStrone(p, nr);
    return obraz;
}

QPageLayout RaportWydruk::Strona()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginesMm, kMarginesMm, kMarginesMm, kMarginesMm),
                       QPageLayout::Millimeter);
}
