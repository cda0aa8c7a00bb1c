#include "ModelAlarmow.h"

#include "ObrazkiOkien.h"
#include "RejestrAlarmow.h"

#include <QBrush>
#include <QFont>

namespace {
bool aktywny(const WierszAlarmu& w)
{
    return w.Aktywny == u"A";
}

bool niepotwierdzony(const WierszAlarmu& w)
{
    return w.Potwierdzony == u"N";
}
} // namespace

ModelAlarmow::ModelAlarmow(RejestrAlarmow& rejestr, QObject* parent)
    : QAbstractTableModel(parent), m_rejestr(rejestr), m_liczba(rejestr.Count())
{
    connect(&rejestr, &RejestrAlarmow::wierszDodany, this, &ModelAlarmow::dodany);
    connect(&rejestr, &RejestrAlarmow::wierszZmieniony, this, &ModelAlarmow::zmieniony);
    for (int i = 0; i < 2; ++i) {
        m_obrazki[i] = ikonaAlarmu(i + 1);
        m_wygaszone[i] = QIcon(m_obrazki[i].pixmap(16, QIcon::Disabled));
    }
}

void ModelAlarmow::dodany(int pozycja)
{
    beginInsertRows({}, m_liczba, pozycja - 1);
    m_liczba = pozycja;
    endInsertRows();
}

void ModelAlarmow::zmieniony(int pozycja)
{
    emit dataChanged(index(pozycja - 1, 0), index(pozycja - 1, LiczbaKolumn - 1));
}

int ModelAlarmow::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_liczba;
}

int ModelAlarmow::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LiczbaKolumn;
}

QVariant ModelAlarmow::tekst(const WierszAlarmu& w, int kolumna) const
{
    switch (kolumna) {
    case Czas:
        return w.Czas;
    case Regulator:
        return w.Regulator;
    case TrescAlarmu:
        return w.TrescAlarmu;
    default:
        return {};
    }
}

QVariant ModelAlarmow::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const WierszAlarmu& w = m_rejestr.Wiersz(index.row() + 1);
    switch (role) {
    case Qt::DisplayRole:
        return tekst(w, index.column());
    case Qt::ForegroundRole:
        return QBrush(aktywny(w) ? Qt::red : Qt::black);
    case Qt::FontRole: {
        QFont font;
        font.setBold(niepotwierdzony(w));
        return font;
    }
    case Qt::DecorationRole:
        if (index.column() != Czas || w.Obrazek < 1 || w.Obrazek > 2)
            return {};
        return aktywny(w) ? m_obrazki[w.Obrazek - 1] : m_wygaszone[w.Obrazek - 1];
    default:
        return {};
    }
}

QVariant ModelAlarmow::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Czas:
        return QStringLiteral("Czas");
    case Regulator:
        return QStringLiteral("Regulator");
    case TrescAlarmu:
        return QStringLiteral("Tresc alarmu");
    default:
        return {};
    }
}
