#include "PulaTekstow.h"

namespace {
// A block is never reallocated once made: it is given its whole capacity at once.
constexpr size_t kBlok = size_t(1) << 20;
} // namespace

PulaTekstow::Miejsce PulaTekstow::Dodaj(const QString& tekst)
{
    const QByteArray utf8 = tekst.toUtf8();
    const size_t dlugosc = size_t(utf8.size());
    if (m_bloki.empty() || m_bloki.back().capacity() - m_bloki.back().size() < dlugosc) {
        m_bloki.emplace_back();
        m_bloki.back().reserve(std::max(kBlok, dlugosc));
    }
    std::string& blok = m_bloki.back();
    const Miejsce miejsce{quint32(m_bloki.size() - 1), quint32(blok.size()), quint32(dlugosc)};
    blok.append(utf8.constData(), dlugosc);
    return miejsce;
}

QString PulaTekstow::Tekst(const Miejsce& miejsce) const
{
    return QString::fromUtf8(m_bloki[miejsce.blok].data() + miejsce.od, qsizetype(miejsce.dlugosc));
}
