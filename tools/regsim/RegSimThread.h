#pragma once

#include <QSemaphore>
#include <QThread>

namespace regsim {

class RegSim;

// Runs a RegSim in a thread of its own, for tests whose code under test blocks while it waits
// for reply bytes. The simulator is made, opened and destroyed inside that thread; its public
// functions are safe to call from the test's thread.
class RegSimThread : public QThread
{
    Q_OBJECT
  public:
    explicit RegSimThread(QObject* parent = nullptr);
    // Stops the event loop and waits for the thread.
    ~RegSimThread() override;

    // Starts the thread and waits until the pseudo-terminal is open; false, with
    // errorString(), when it could not be opened.
    bool startSim();
    // The running simulator; null before startSim() succeeded.
    RegSim* sim() const { return m_sim; }
    QString errorString() const { return m_error; }

  protected:
    void run() override;

  private:
    QSemaphore m_opened;
    RegSim* m_sim = nullptr;
    QString m_error;
};

} // namespace regsim
