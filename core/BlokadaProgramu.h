#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One program per database file and working folder: two programs on one file would poll one line
// at once, their frames would interleave and each would store the other's corrupted replies. The
// lock is a file beside the database, held for the life of the process; the system drops the hold
// of a process that ended in any way, and a lock file left by a crash or a power cut is taken over
// by the next start.
class BlokadaProgramu
{
  public:
    // The text for the operator when another program holds the lock; empty otherwise. A folder
    // where no lock file can be made at all does not stop the start: the database tells what it
    // cannot write there.
    QString Zajmij(const QString& plikBazy);

    // The lock file of a database file.
    static QString PlikBlokady(const QString& plikBazy);

  private:
    std::unique_ptr<QLockFile> m_blokada;
};
