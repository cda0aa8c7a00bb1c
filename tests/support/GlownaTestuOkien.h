#pragma once
// The main of a window test: the application under the program's own look (its face, Qt's
// Polish texts), so that what the tests measure and draw is what the operator sees.

#include "WygladProgramu.h"

#include <QApplication>
#include <QTest>

#define KALBOR_TEST_OKIEN(KlasaTestu)                                                                        \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        UstawWygladProgramu();                                                                               \
        KlasaTestu test;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
