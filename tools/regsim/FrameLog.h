#pragma once

#include <QFile>

namespace regsim {

// Text log of the line, one line per frame received ("<") or reply sent (">"), bytes in hex,
// each line prefixed with the local time to the millisecond.
class FrameLog
{
  public:
    bool open(const QString& path);
    QString errorString() const { return m_file.errorString(); }
    void received(const QByteArray& bytes) { write('<', bytes); }
    void sent(const QByteArray& bytes) { write('>', bytes); }

  private:
    void write(char direction, const QByteArray& bytes);

    QFile m_file;
};

} // namespace regsim
