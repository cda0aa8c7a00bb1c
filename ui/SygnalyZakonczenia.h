#pragma once

#include <QObject>

class QSocketNotifier;

// The system's requests to stop (SIGTERM from the service manager or a shutdown, SIGINT from
// Ctrl+C) delivered as a Qt signal in the event loop, so that the program ends through its
// normal shutdown instead of dying with its port locked and the stop unrecorded. The handler
// only writes a byte to a socket pair, the one thing a signal handler may safely do; while an
// instance lives it owns both signals, and its destruction gives them back their default.
class SygnalyZakonczenia : public QObject
{
    Q_OBJECT
  public:
    explicit SygnalyZakonczenia(QObject* parent = nullptr);
    ~SygnalyZakonczenia() override;
    SygnalyZakonczenia(const SygnalyZakonczenia&) = delete;
    SygnalyZakonczenia& operator=(const SygnalyZakonczenia&) = delete;

  signals:
    void zakonczenie();

  private:
    QSocketNotifier* m_powiadomienie = nullptr;
};
