#pragma once

#include <QSqlDatabase>
#include <QStringList>

// The indexes that the reads of the history rely on: a day of the whole plant's readings, the
// next day that holds readings, a regulator's alarms of one day. A new file gets them with its
// tables; a file made before them gets them once, at start-up.
namespace IndeksyHistorii {

// Makes those of the indexes that the file lacks; the names of those made. Building one over
// years of readings takes seconds, once. Throws std::runtime_error when one cannot be made.
QStringList Uzupelnij(const QSqlDatabase& db);

} // namespace IndeksyHistorii
