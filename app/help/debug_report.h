#pragma once
// The start-up probe of the help module and its debug report HHDebug.txt.
#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "persist/file_names.h"

namespace vardo {

// The log step's rules: "-" and "=" grow to 80 of themselves; a first "!", "-" or "=" is then
// removed (separators end 79 long, labelled lines lose their "!"); any other line gets three
// blanks and the time.
QString formatLogLine(const QString& line, const QTime& now);

// Appends one formatted line to the report, in Windows-1252 with CR LF, flushed and closed; a
// report that can't be opened drops the line without a word. A link or anything but a regular
// file in the report's place is never written through.
void appendLogLine(const QString& reportPath, const QString& line);

// What the probe looks at, gathered by currentProbeEnvironment or given by a test.
struct ProbeEnvironment {
    QString exePath;        // the running program's full path
    QStringList arguments;  // the command-line parameters, the program excluded
    QString cacheFolder;    // the user's own cache folder for the program: $XDG_CACHE_HOME/vardo
    QDateTime now;
    QString dateText;         // date and time in the system's format
    QString operatingSystem;  // system name and release
    QString localeName;       // "fr_FR"
    QChar decimalSeparator;
    QString helpVersion;  // version of the toolkit that renders the help, empty when none
};

// What the probe found; the help module keeps it while the program runs.
struct ProbeResult {
    QString programFolder;  // without trailing separator, as every folder here
    QString moduleName;
    QString moduleFolder;
    QString debugFolder;
    bool debugMode = false;
    bool helpInstalled = false;
    QString helpVersion;
    QString helpFriendlyVersion;
    bool browserInstalled = false;
    QString browserVersion;
    QString browserFriendlyVersion;
};

// Whether a new file can be made in the folder: a file of the probe's own ("$_Temp_$.$$$", or a
// unique name when that one is taken) is created exclusively, no link followed, and removed at
// once. A file that was already there is never opened, emptied or removed.
bool folderTakesNewFiles(const QString& folder);

// The module folder when it takes new files, otherwise the user's cache folder (made when
// missing), otherwise empty: no report. Never a shared folder such as the temporary one.
QString chooseDebugFolder(const QString& moduleFolder, const QString& cacheFolder);

// $XDG_CACHE_HOME/vardo, or ~/.cache/vardo when that variable is unset or not absolute; empty
// when neither is known.
QString userCacheFolder();

// On when "debug.debug" lies in the module folder (any letter case) or a parameter is "/debug"
// or "-debug" in any letter case.
bool debugModeRequested(const QString& moduleFolder, const QStringList& arguments);

// The facts of this machine and process; commandLine as QCoreApplication::arguments() gives it.
ProbeEnvironment currentProbeEnvironment(const QStringList& commandLine);

// Records the folders and versions, deletes an old report (a regular file only) in the debug
// folder whatever the mode and, in debug mode, writes the report.
ProbeResult runProbe(const ProbeEnvironment& environment);

}  // namespace vardo
