#include "ModelAlarmow.h"

#include "ObrazkiOkien.h"
#include "RejestrAlarmow.h"

#include <QBrush>
#include <QFont>

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
    const int pozycja = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return tekst(m_rejestr.Wiersz(pozycja), index.column());
    case Qt::ForegroundRole:
        return QBrush(m_rejestr.Aktywny(pozycja) ? Qt::red : Qt::black);
    case Qt::FontRole: {
        QFont font;
        font.setBold(!m_rejestr.Potwierdzony(pozycja));
        return font;
    }
    case Qt::DecorationRole: {
        const int obrazek = m_rejestr.Obrazek(pozycja);
        if (index.column() != Czas || obrazek < 1 || obrazek > 2)
            return {};
        return m_rejestr.Aktywny(pozycja) ? m_obrazki[obrazek - 1] : m_wygaszone[obrazek - 1];
    }
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
