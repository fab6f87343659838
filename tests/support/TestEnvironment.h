#pragma once

#include "app/AppState.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// The ground every test program stands on: offscreen, en_US, 96 dpi, and a private
// XDG data folder so the real user's data is never touched.
namespace TestEnvironment {

// Called by VELMAR_TEST_MAIN before the application object exists.
void prepareProcess();
// Called once the application object exists.
void prepareApplication();

// Removes the company folder, so the next start finds a clean machine.
void removeAllData();
// A fresh database built through the real creation procedure, with settings and
// preferences loaded into `state`.
void freshDatabase(AppState& state);
void freshDatabase();

} // namespace TestEnvironment

#define VELMAR_TEST_MAIN(TestClass)                                   \
    int main(int argc, char** argv)                                   \
    {                                                                 \
        TestEnvironment::prepareProcess();                            \
        QApplication app(argc, argv);                                 \
        TestEnvironment::prepareApplication();                        \
        TestClass test;                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                    \
        return QTest::qExec(&test, argc, argv);                       \
    }
