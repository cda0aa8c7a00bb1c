#include "SygnalyZakonczenia.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// [0] is written by the handler, [1] read in the event loop.
int g_gniazda[2] = {-1, -1};
constexpr int kSygnaly[] = {SIGTERM, SIGINT};

void obsluga(int)
{
    const char bajt = 1;
    // A full socket already holds a request that has not been handled yet.
    [[maybe_unused]] const ssize_t n = ::write(g_gniazda[0], &bajt, 1);
}

void ustawObsluge(void (*funkcja)(int))
{
    struct sigaction sa = {};
    sa.sa_handler = funkcja;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sygnal : kSygnaly)
        sigaction(sygnal, &sa, nullptr);
}
} // namespace

SygnalyZakonczenia::SygnalyZakonczenia(QObject* parent) : QObject(parent)
{
    // Without the socket pair the signals keep their default action.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_gniazda) != 0)
        return;
    m_powiadomienie = new QSocketNotifier(g_gniazda[1], QSocketNotifier::Read, this);
    connect(m_powiadomienie, &QSocketNotifier::activated, this, [this] {
        char bufor[16];
        while (::read(g_gniazda[1], bufor, sizeof bufor) > 0) {
        }
        emit zakonczenie();
    });
    ustawObsluge(obsluga);
}

SygnalyZakonczenia::~SygnalyZakonczenia()
{
    if (!m_powiadomienie)
        return;
    ustawObsluge(SIG_DFL);
    delete m_powiadomienie;
    for (int& gniazdo : g_gniazda) {
        ::close(gniazdo);
        gniazdo = -1;
    }
}
