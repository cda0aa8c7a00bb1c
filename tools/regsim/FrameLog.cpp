#include "FrameLog.h"

#include <QDateTime>

namespace regsim {

bool FrameLog::open(const QString& path)
{
    m_file.close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void FrameLog::write(char direction, const QByteArray& bytes)
{
    if (!m_file.isOpen() || bytes.isEmpty())
        return;
    const QByteArray time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1();
    m_file.write(time + ' ' + direction + ' ' + bytes.toHex(' ').toUpper() + '\n');
    m_file.flush();
}

} // namespace regsim
