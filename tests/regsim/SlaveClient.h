#pragma once

#include <QByteArray>
#include <QString>

// The program's end of the simulated line: the pseudo-terminal's slave opened with plain POSIX
// calls, as a serial port would be.
class SlaveClient
{
  public:
    SlaveClient() = default;
    ~SlaveClient() { close(); }
    SlaveClient(const SlaveClient&) = delete;
    SlaveClient& operator=(const SlaveClient&) = delete;

    bool open(const QString& path);
    void close();
    bool send(const QByteArray& bytes);
    // Waits until count bytes have arrived; fewer when the line stays quiet for quietMs.
    QByteArray receive(int count, int quietMs = 3000);

  private:
    int m_fd = -1;
};
