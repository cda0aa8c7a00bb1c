#pragma once

#include <QString>

namespace regsim {

// A symbolic link to the pseudo-terminal at a fixed path, so the program under test can be
// configured once. Removed on destruction, unless it no longer points at the terminal.
class PtyLink
{
  public:
    PtyLink() = default;
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // Replaces an existing symbolic link at path; refuses to replace anything else.
    bool create(const QString& path, const QString& target, QString* error);

  private:
    QString m_path;
    QString m_target;
};

} // namespace regsim
