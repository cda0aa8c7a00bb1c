#pragma once
// Simulated regulators on a pseudo-terminal, reached through the real port layer and serial
// link. The services run on a fast clock, so that waiting out a silent regulator ends quickly.
// Header-only: only the tests that link kalbor_comm and kalbor_regsim include it.

#include "Komunikator.h"
#include "PortQt.h"
#include "TestSupport.h"
#include "clComm.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QTest>

struct LaczeTestowe
{
    Srodowisko s;
    FastClock zegar{10};
    regsim::RegSimThread watek;
    PortQt port;
    clComm comm{s.uslugi};
    Komunikator komunikator{s.uslugi};

    // Starts the simulator with a regulator at each address and opens its line.
    void uruchom(std::initializer_list<quint8> adresy)
    {
        s.uslugi.zegar = &zegar;
        s.uslugi.oComm = &comm;
        s.uslugi.oKomunikator = &komunikator;
        QVERIFY2(watek.startSim(), qPrintable(watek.errorString()));
        for (quint8 adres : adresy) {
            regsim::RegulatorState st;
            st.address = adres;
            sim().addRegulator(st);
        }
        const QString blad = port.Otworz(sim().slavePath());
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
        comm.UstawPort(&port);
    }
    regsim::RegSim& sim() { return *watek.sim(); }
    regsim::RegulatorState stan(quint8 adres) { return *sim().regulator(adres); }
    void zmien(quint8 adres, const std::function<void(regsim::RegulatorState&)>& f)
    {
        QVERIFY(sim().updateRegulator(adres, f));
    }
};
