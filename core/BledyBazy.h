#pragma once

#include <QSqlError>
#include <QString>

// What SQLite's errors mean to the program, and how they read for the operator.

// True for the errors with which the file refuses writes for a while (held by another program,
// made read-only, failing or full): the same write can succeed once the cause has gone.
bool PlikOdmawiaZapisu(const QSqlError& blad);
// True when the file is held by another connection.
bool BlokadaPliku(const QSqlError& blad);

// The database's own description of an error, else the driver's.
QString OpisBledu(const QSqlError& blad);

// "Błąd zapisu do bazy danych nr " with the error number, a carriage return and the
// description between apostrophes.
QString TekstBleduZapisu(const QSqlError& blad);
