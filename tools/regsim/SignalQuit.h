#pragma once

#include <QObject>

class QSocketNotifier;

namespace regsim {

// Turns SIGINT and SIGTERM into a clean return from the application's event loop, so the
// program can remove its link before it ends. One instance per process.
class SignalQuit : public QObject
{
    Q_OBJECT
  public:
    explicit SignalQuit(QObject* parent = nullptr);
    ~SignalQuit() override;

  private:
    static void onSignal(int);
    void quitApplication();

    // Written by the signal handler, read by the event loop.
    static int s_pipe[2];
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace regsim
