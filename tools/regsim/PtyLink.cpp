#include "PtyLink.h"

#include <QFile>
#include <QFileInfo>

namespace regsim {

PtyLink::~PtyLink()
{
    if (!m_path.isEmpty() && QFile::symLinkTarget(m_path) == m_target)
        QFile::remove(m_path);
}

bool PtyLink::create(const QString& path, const QString& target, QString* error)
{
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return false;
    }
    if (!QFile::link(target, path)) {
        *error = QStringLiteral("cannot link %1 to %2").arg(path, target);
        return false;
    }
    m_path = path;
    m_target = QFile::symLinkTarget(path);
    return true;
}

} // namespace regsim
