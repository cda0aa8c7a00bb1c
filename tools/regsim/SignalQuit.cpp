#include "SignalQuit.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace regsim {

int SignalQuit::s_pipe[2] = {-1, -1};

SignalQuit::SignalQuit(QObject* parent) : QObject(parent)
{
    if (pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        qFatal("regsim: cannot create the signal pipe");
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalQuit::quitApplication);
    struct sigaction action
    {
    };
    action.sa_handler = &SignalQuit::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

SignalQuit::~SignalQuit()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
}

void SignalQuit::onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
}

void SignalQuit::quitApplication()
{
    char byte;
    while (::read(s_pipe[0], &byte, 1) > 0) {
    }
    QCoreApplication::quit();
}

} // namespace regsim
