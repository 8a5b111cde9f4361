#pragma once
// The benchmarks' one application object, on the offscreen platform, with the window's font.
#include <QApplication>

#include "app/cli/application.h"

namespace vardo::bench {

inline QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "vardo_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        QApplication::setFont(vardo::app::windowFont());
        return created;
    }();
    return *app;
}

}  // namespace vardo::bench
