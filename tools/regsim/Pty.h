#pragma once

#include <QString>

namespace regsim {

// A pseudo-terminal pair: the simulator talks on the master side, the program under test
// opens the slave path as its serial port. The simulator keeps one slave descriptor of its own
// so the pair survives the client closing and reopening the port.
class Pty
{
  public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Creates the pair in raw mode; false with errorString() set on failure.
    bool open();
    void close();

    bool isOpen() const { return m_master >= 0; }
    // Non-blocking master descriptor, -1 while closed.
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

  private:
    bool fail(const char* step);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
};

} // namespace regsim
