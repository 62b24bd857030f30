#pragma once
// One QApplication for a GUI test program, on the offscreen platform unless one was chosen.
#include <QApplication>

namespace numora::test {

inline QApplication& App() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "numora-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics (the mouse device among them) would otherwise
    // be torn down after the application they belong to, and crash.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace numora::test
