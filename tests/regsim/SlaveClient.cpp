#include "SlaveClient.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

bool SlaveClient::open(const QString& path)
{
    close();
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    return m_fd >= 0;
}

void SlaveClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool SlaveClient::send(const QByteArray& bytes)
{
    return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

QByteArray SlaveClient::receive(int count, int quietMs)
{
    QByteArray received;
    while (received.size() < count) {
        pollfd ready{m_fd, POLLIN, 0};
        if (::poll(&ready, 1, quietMs) <= 0)
            break;
        char buffer[64];
        const ssize_t got =
            ::read(m_fd, buffer, size_t(qMin<qsizetype>(count - received.size(), sizeof buffer)));
        if (got <= 0)
            break;
        received.append(buffer, int(got));
    }
    return received;
}
