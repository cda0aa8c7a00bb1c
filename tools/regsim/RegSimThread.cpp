#include "RegSimThread.h"

#include "RegSim.h"

namespace regsim {

RegSimThread::RegSimThread(QObject* parent) : QThread(parent) {}

RegSimThread::~RegSimThread()
{
    quit();
    wait();
}

bool RegSimThread::startSim()
{
    start();
    m_opened.acquire();
    return m_sim != nullptr;
}

void RegSimThread::run()
{
    RegSim sim;
    const bool opened = sim.open();
    m_sim = opened ? &sim : nullptr;
    m_error = sim.errorString();
    // The semaphore orders the writes above before startSim() reads them.
    m_opened.release();
    if (opened)
        exec();
    m_sim = nullptr;
}

} // namespace regsim
