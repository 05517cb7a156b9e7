#pragma once

#include <QGuiApplication>

// Printers and fonts need a GUI application; GoogleTest's own main makes none.
inline void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "print_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv); // lives until the test binary ends
}
