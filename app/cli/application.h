#pragma once
// The program's run: the help module's start, the application object titled "Vardo 1.0", Qt's
// French translations, the regional settings, the main window's start-up, the event loop, and
// the end in order (window destroyed with the store's save, then the help viewer released).
#include <QFont>
#include <functional>

namespace vardo::app {

// The window's font: "MS Sans Serif" 8 points where it exists, else Liberation Sans (the metrics
// of Arial), else the nearest sans-serif face.
QFont windowFont();

// Loads qtbase_fr from the toolkit's translations; false when it is missing.
bool loadFrenchTranslations();

// The window's run, once the command line asked for nothing else: the program's places found,
// the window shown, the event loop, the end in order. afterStart runs once the window is shown
// and started, before the event loop (benchmarks).
int runProgram(int argc, char** argv, const std::function<void()>& afterStart = {});

}  // namespace vardo::app
