#pragma once

#include <QAbstractTableModel>
#include <QIcon>

class RejestrAlarmow;
struct WierszAlarmu;

// The alarm register as the current-alarms list shows it: time, regulator and alarm text.
// Active rows are red, inactive black; unacknowledged rows bold; inactive rows carry their
// picture ghosted. Row r is the register's position r + 1.
class ModelAlarmow : public QAbstractTableModel
{
    Q_OBJECT
  public:
    enum Kolumna
    {
        Czas,
        Regulator,
        TrescAlarmu,
        LiczbaKolumn
    };

    explicit ModelAlarmow(RejestrAlarmow& rejestr, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    void dodany(int pozycja);
    void zmieniony(int pozycja);
    QVariant tekst(const WierszAlarmu& w, int kolumna) const;

    RejestrAlarmow& m_rejestr;
    // Rows announced so far; the register has already appended a row when it says so.
    int m_liczba = 0;
    // Pictures 1 and 2, as drawn and ghosted (dimmed) for inactive rows.
    QIcon m_obrazki[2];
    QIcon m_wygaszone[2];
};
