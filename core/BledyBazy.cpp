#include "BledyBazy.h"

#include "TextFormat.h"

namespace {
// SQLite's primary result codes for a file that refuses writes for a while.
constexpr int kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kFull = 13, kCantOpen = 14;

// SQLite's primary result code of the error, 0 for none. Extended codes carry the primary code
// in their low byte.
int kodGlowny(const QSqlError& blad)
{
    bool ok = false;
    const int kod = blad.nativeErrorCode().toInt(&ok) & 0xff;
    return ok ? kod : 0;
}
} // namespace

bool PlikOdmawiaZapisu(const QSqlError& blad)
{
    const int kod = kodGlowny(blad);
    for (int k : {kPerm, kBusy, kLocked, kReadOnly, kIoErr, kFull, kCantOpen}) {
        if (kod == k)
            return true;
    }
    return false;
}

bool BlokadaPliku(const QSqlError& blad)
{
    const int kod = kodGlowny(blad);
    return kod == kBusy || kod == kLocked;
}

QString OpisBledu(const QSqlError& blad)
{
    return blad.databaseText().isEmpty() ? blad.text() : blad.databaseText();
}

QString TekstBleduZapisu(const QSqlError& blad)
{
    bool ok = false;
    const int numer = blad.nativeErrorCode().toInt(&ok);
    return QStringLiteral("Błąd zapisu do bazy danych nr ") + TextFormat::plain(ok ? numer : -1) + u'\r' +
           u'\'' + OpisBledu(blad) + u'\'';
}
