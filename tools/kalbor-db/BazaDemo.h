#pragma once

#include <QDate>
#include <QString>

// A demonstration database: five devices (four regulators, one of them inactive, and one
// meter that is not a regulator), a small plant structure and optionally some days of
// synthetic 15-minute readings ending the day before `koniec`.
QString UtworzBazeDemo(const QString& plik, int dni, const QDate& koniec);
