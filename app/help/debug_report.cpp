#include "app/help/debug_report.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QtGlobal>

#include "app/help/locale_ids.h"
#include "persist/cp1252.h"

namespace vardo {

namespace {

QString hex4(unsigned value) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, u'0');
}

QString withoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

// Qt's "6.4.2" written as the four numbers of a file version.
QString asFourNumbers(const QString& version) {
    QStringList parts = version.split(QLatin1Char('.'));
    while (parts.size() < 4) parts << QStringLiteral("0");
    return parts.mid(0, 4).join(QLatin1Char('.'));
}

// Only a regular file is removed: a link or anything else of that name is left alone.
void removeOldReport(const QString& reportPath) {
    const QByteArray path = QFile::encodeName(reportPath);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path.constData());
}

}  // namespace

QString formatLogLine(const QString& line, const QTime& now) {
    QString text = line;
    if (text == QLatin1String("-")) text = QString(80, u'-');
    if (text == QLatin1String("=")) text = QString(80, u'=');
    if (text.startsWith(u'!') || text.startsWith(u'-') || text.startsWith(u'=')) {
        return text.mid(1);
    }
    return text + QStringLiteral("   ") + now.toString(QStringLiteral("HH:mm:ss"));
}

void appendLogLine(const QString& reportPath, const QString& line) {
    const QByteArray path = QFile::encodeName(reportPath);
    const int fd = ::open(path.constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const QByteArray bytes = QByteArray::fromStdString(utf8ToCp1252(
                                     formatLogLine(line, QTime::currentTime()).toStdString())) +
                                 "\r\n";
        [[maybe_unused]] const ssize_t written = ::write(fd, bytes.constData(), bytes.size());
    }
    ::close(fd);
}

bool folderTakesNewFiles(const QString& folder) {
    QByteArray probe = QFile::encodeName(folder + QStringLiteral("/$_Temp_$.$$$"));
    // O_EXCL: a new file or nothing; a link of that name is not followed.
    int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) {
        probe = QFile::encodeName(folder + QStringLiteral("/$_Temp_$.XXXXXX"));
        fd = ::mkstemp(probe.data());
    }
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

QString chooseDebugFolder(const QString& moduleFolder, const QString& cacheFolder) {
    if (folderTakesNewFiles(moduleFolder)) return withoutTrailingSeparator(moduleFolder);
    if (cacheFolder.isEmpty() || !QDir().mkpath(cacheFolder)) return {};
    return folderTakesNewFiles(cacheFolder) ? withoutTrailingSeparator(cacheFolder) : QString();
}

QString userCacheFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!base.startsWith(u'/')) {
        const QString home = qEnvironmentVariable("HOME");
        if (!home.startsWith(u'/')) return {};
        base = home + QStringLiteral("/.cache");
    }
    return withoutTrailingSeparator(base) + QStringLiteral("/vardo");
}

bool debugModeRequested(const QString& moduleFolder, const QStringList& arguments) {
    const QStringList entries = QDir(moduleFolder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(QLatin1String("debug.debug"), Qt::CaseInsensitive) == 0) return true;
    }
    for (const QString& argument : arguments) {
        if (argument.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
            argument.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

ProbeEnvironment currentProbeEnvironment(const QStringList& commandLine) {
    ProbeEnvironment environment;
    // The process's own file, whether or not the application object exists yet.
    environment.exePath = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (environment.exePath.isEmpty() && !commandLine.isEmpty()) {
        environment.exePath = QFileInfo(commandLine.front()).absoluteFilePath();
    }
    environment.arguments = commandLine.mid(1);
    environment.cacheFolder = userCacheFolder();
    environment.now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    environment.dateText = locale.toString(environment.now.date(), QLocale::ShortFormat) +
                           QLatin1Char(' ') +
                           environment.now.time().toString(QStringLiteral("HH:mm:ss"));
    utsname system{};
    if (uname(&system) == 0) {
        environment.operatingSystem = QString::fromLocal8Bit(system.sysname) + QLatin1Char(' ') +
                                      QString::fromLocal8Bit(system.release);
    }
    environment.localeName = locale.name();
    environment.decimalSeparator =
        locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    environment.helpVersion = QString::fromLatin1(qVersion());
    return environment;
}

ProbeResult runProbe(const ProbeEnvironment& environment) {
    ProbeResult result;
    const QFileInfo exe(environment.exePath);
    result.moduleName = exe.fileName();
    result.moduleFolder = withoutTrailingSeparator(exe.absolutePath());
    result.programFolder = result.moduleFolder;
    result.debugFolder = chooseDebugFolder(result.moduleFolder, environment.cacheFolder);
    result.debugMode = debugModeRequested(result.moduleFolder, environment.arguments);

    // The help is rendered by the toolkit's own text browser: its version stands for the help
    // control's. There is no system web browser component to report.
    result.helpVersion =
        environment.helpVersion.isEmpty() ? QString() : asFourNumbers(environment.helpVersion);
    result.helpInstalled = !result.helpVersion.isEmpty();
    result.helpFriendlyVersion =
        result.helpInstalled ? QStringLiteral("Qt ") + environment.helpVersion : QString();

    if (result.debugFolder.isEmpty()) return result;  // nowhere to write: no report
    const QString reportPath =
        result.debugFolder + QLatin1Char('/') + QLatin1String(kDebugReportName);
    removeOldReport(reportPath);
    if (!result.debugMode) return result;

    const std::uint16_t lcid = windowsLocaleId(environment.localeName);
    const QString yes = QStringLiteral("YES");
    const QString no = QStringLiteral("NO");
    const QStringList lines{
        QStringLiteral("!Filename:             \t") + reportPath,
        QStringLiteral("!Date:                 \t") + environment.dateText,
        QStringLiteral("!Operating System:      \t") + environment.operatingSystem,
        QStringLiteral("!SysLocale.DefaultLCID: \t") + hex4(lcid),
        QStringLiteral("!SysLocale.PriLangID:   \t") + hex4(primaryLanguageId(lcid)),
        QStringLiteral("!SysLocale.SubLangID:   \t") + hex4(subLanguageId(lcid)),
        QStringLiteral("!DecimalSeparator:      \t") + QString(environment.decimalSeparator),
        QStringLiteral("-"),
        QStringLiteral("!EXE Path =          \t") + environment.exePath,
        QStringLiteral("!Cmdline Param(s) =  \t") +
            environment.arguments.join(QStringLiteral(" | ")),
        QStringLiteral("!_RunDir =           \t") + result.programFolder,
        QStringLiteral("!_ModuleName =       \t") + result.moduleName,
        QStringLiteral("!_ModuleDir =        \t") + result.moduleFolder,
        QStringLiteral("-"),
        QStringLiteral("!_hhInstalled =      \t") + (result.helpInstalled ? yes : no),
        QStringLiteral("!_hhVerStr =         \t") + result.helpVersion,
        QStringLiteral("!_hhFriendlyVerStr = \t") + result.helpFriendlyVersion,
        QStringLiteral("-"),
        QStringLiteral("!_ieInstalled =      \t") + (result.browserInstalled ? yes : no),
        QStringLiteral("!_ieVerStr =         \t") + result.browserVersion,
        QStringLiteral("!_ieFriendlyVerStr = \t") + result.browserFriendlyVersion,
        QStringLiteral("="),
    };
    for (const QString& line : lines) appendLogLine(reportPath, line);
    return result;
}

}  // namespace vardo
