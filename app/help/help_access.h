#pragma once
// Access to the program's help: the viewer's place in the start-up and end order, the start-up
// probe with its debug report, the help command and the closing of every help window.
#include <QString>
#include <QStringList>

#include "app/help/debug_report.h"

class QWidget;

namespace vardo {

// Module start, before the main window: makes the compiled-in help pages reachable and records
// the viewer. Does nothing when already attached.
void attachHelpViewer();

// Module end, after the main window is gone: closes any help window left and forgets the viewer.
void detachHelpViewer();

bool helpViewerAttached();

// Module start, after attachHelpViewer: records the program and module folders, picks the debug
// folder, deletes an old HHDebug.txt there and, in debug mode, writes a new one. commandLine is
// the command line as QCoreApplication::arguments() gives it: the program first, then its
// parameters. reportFallback, when not empty, replaces the user's cache folder as the place of the
// report when the module folder refuses new files.
void runStartupProbe(const QStringList& commandLine, const QString& reportFallback = {});

// "&Rubriques de l'aide": shows the one help window on the default topic, creating it or
// bringing it forward. The window belongs to no other window and is not modal.
void openHelp();

// The main window's destruction: closes every help window.
void closeAllHelp();

// The help window now open, or nullptr.
QWidget* currentHelpWindow();

}  // namespace vardo
