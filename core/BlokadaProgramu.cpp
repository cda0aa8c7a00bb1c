#include "BlokadaProgramu.h"

#include <QDir>
#include <QFileInfo>

// The same file reached through a link or another path is one lock.
QString BlokadaProgramu::PlikBlokady(const QString& plikBazy)
{
    const QFileInfo plik(plikBazy);
    const QString sciezka = plik.canonicalFilePath();
    return (sciezka.isEmpty() ? plik.absoluteFilePath() : sciezka) + QStringLiteral(".lock");
}

QString BlokadaProgramu::Zajmij(const QString& plikBazy)
{
    const QString plik = PlikBlokady(plikBazy);
    auto blokada = std::make_unique<QLockFile>(plik);
    // Held for the whole run: never taken as stale while its process lives.
    blokada->setStaleLockTime(0);
    if (blokada->tryLock(0)) {
        m_blokada = std::move(blokada);
        return {};
    }
    if (blokada->error() != QLockFile::LockFailedError)
        return {};
    return QStringLiteral("Program Kalbor już działa w folderze %1 (baza danych %2).\r"
                          "Drugi program nie zostanie uruchomiony.")
        .arg(QDir::toNativeSeparators(QFileInfo(plik).absolutePath()), QFileInfo(plikBazy).fileName());
}
