// The start-up probe and HHDebug.txt: the log step's rules, the debug folder, the debug switches,
// the old report deleted at every start and the report's lines.
#include "app/help/debug_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/help/help_access.h"

namespace {

using vardo::ProbeEnvironment;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(LogStepTest, FormatsTheLine) {
    struct Row {
        const char* name;
        const char* line;
        QString expected;
    } rows[] = {{"hyphens", "-", QString(79, u'-')},
                {"equals signs", "=", QString(79, u'=')},
                {"a label loses its mark", "!Label\tvalue", QStringLiteral("Label\tvalue")},
                {"leading hyphen removed", "-x", QStringLiteral("x")},
                {"leading equals sign removed", "==", QStringLiteral("=")},
                {"another line gets the time", "Note", QStringLiteral("Note   14:05:09")},
                {"an empty line gets the time", "", QStringLiteral("   14:05:09")}};
    for (const Row& row : rows)
        EXPECT_EQ(vardo::formatLogLine(QString::fromUtf8(row.line), QTime(14, 5, 9)), row.expected)
            << row.name;
}

TEST(LogStepTest, AppendsWithCarriageReturnAndLineFeedInWindows1252) {
    QTemporaryDir folder;
    const QString report = folder.filePath(QStringLiteral("HHDebug.txt"));
    vardo::appendLogLine(report, QStringLiteral("!Répertoire"));
    vardo::appendLogLine(report, QStringLiteral("-"));
    EXPECT_EQ(readAll(report), QByteArray("R\xE9pertoire\r\n") + QByteArray(79, '-') + "\r\n");
}

TEST(LogStepTest, AReportThatCantBeOpenedDropsTheLineSilently) {
    QTemporaryDir folder;
    vardo::appendLogLine(folder.filePath(QStringLiteral("missing/HHDebug.txt")),
                         QStringLiteral("!x"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/HHDebug.txt"))));
}

// A program folder and a user cache folder of the test's own.
class ProbeFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("program")));
        programFolder = root.filePath(QStringLiteral("program"));
        cacheFolder = root.filePath(QStringLiteral("cache/vardo"));  // made when first needed
        environment.exePath = programFolder + QStringLiteral("/vardo");
        environment.cacheFolder = cacheFolder;
        environment.now = QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0));
        environment.dateText = QStringLiteral("09/12/2026 10:30:00");
        environment.operatingSystem = QStringLiteral("Linux 6.1.0-18-amd64");
        environment.localeName = QStringLiteral("fr_FR");
        environment.decimalSeparator = QChar(u',');
        environment.helpVersion = QStringLiteral("6.4.2");
    }

    QString reportIn(const QString& folder) const {
        return folder + QStringLiteral("/HHDebug.txt");
    }

    QTemporaryDir root;
    // A file of the test's own outside the program folder, for links to point at.
    QString victim() {
        const QString path = root.filePath(QStringLiteral("victim.txt"));
        if (!QFile::exists(path)) writeFile(path, "precious\n");
        return path;
    }

    QString programFolder;
    QString cacheFolder;
    ProbeEnvironment environment;
};

TEST_F(ProbeFixture, WithoutASwitchAnOldReportIsDeletedAndNoneWritten) {
    writeFile(reportIn(programFolder), "old report\r\n");
    const vardo::ProbeResult result = vardo::runProbe(environment);
    EXPECT_FALSE(result.debugMode);
    EXPECT_EQ(result.debugFolder, programFolder);
    EXPECT_FALSE(QFile::exists(reportIn(programFolder)));
    EXPECT_FALSE(QFile::exists(reportIn(cacheFolder)));
    EXPECT_FALSE(QFile::exists(programFolder + QStringLiteral("/$_Temp_$.$$$")))
        << "the write test leaves nothing behind";
}

TEST_F(ProbeFixture, DebugSwitchUpperCaseWritesTheReportWithItsLineShapes) {
    environment.arguments = {QStringLiteral("-DEBUG"), QStringLiteral("autre")};
    writeFile(reportIn(programFolder), "old report\r\n");
    const vardo::ProbeResult result = vardo::runProbe(environment);
    ASSERT_TRUE(result.debugMode);

    const QByteArray bytes = readAll(reportIn(programFolder));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains("old report"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    const QByteArray hyphens(79, '-');
    const QList<QByteArray> expected{
        "Filename:             \t" + reportIn(programFolder).toUtf8(),
        "Date:                 \t09/12/2026 10:30:00",
        "Operating System:      \tLinux 6.1.0-18-amd64",
        "SysLocale.DefaultLCID: \t0x040C",
        "SysLocale.PriLangID:   \t0x000C",
        "SysLocale.SubLangID:   \t0x0001",
        "DecimalSeparator:      \t,",
        hyphens,
        "EXE Path =          \t" + environment.exePath.toUtf8(),
        "Cmdline Param(s) =  \t-DEBUG | autre",
        "_RunDir =           \t" + programFolder.toUtf8(),
        "_ModuleName =       \tvardo",
        "_ModuleDir =        \t" + programFolder.toUtf8(),
        hyphens,
        "_hhInstalled =      \tYES",
        "_hhVerStr =         \t6.4.2.0",
        "_hhFriendlyVerStr = \tQt 6.4.2",
        hyphens,
        "_ieInstalled =      \tNO",
        "_ieVerStr =         \t",
        "_ieFriendlyVerStr = \t",
        QByteArray(79, '='),
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(ProbeFixture, EitherSwitchInAnyCaseTurnsDebugModeOn) {
    for (const char* argument : {"/debug", "-debug", "/DeBuG", "-Debug"}) {
        environment.arguments = {QString::fromLatin1(argument)};
        EXPECT_TRUE(vardo::runProbe(environment).debugMode) << argument;
    }
    for (const char* argument : {"debug", "--debug", "-debugx"}) {
        environment.arguments = {QString::fromLatin1(argument)};
        EXPECT_FALSE(vardo::runProbe(environment).debugMode) << argument;
    }
}

TEST_F(ProbeFixture, ADebugFileInTheProgramFolderTurnsDebugModeOn) {
    writeFile(programFolder + QStringLiteral("/DEBUG.debug"), "");
    EXPECT_TRUE(vardo::runProbe(environment).debugMode);
    EXPECT_TRUE(QFile::exists(reportIn(programFolder)));
}

TEST_F(ProbeFixture, AnUnwritableModuleFolderSendsTheReportToTheUserCacheFolder) {
    // A folder path that is really a file: nothing can be created inside it.
    writeFile(programFolder + QStringLiteral("/blocked"), "");
    environment.exePath = programFolder + QStringLiteral("/blocked/vardo");
    environment.arguments = {QStringLiteral("/debug")};
    ASSERT_TRUE(QDir().mkpath(cacheFolder));
    writeFile(reportIn(cacheFolder), "old report\r\n");
    const vardo::ProbeResult result = vardo::runProbe(environment);
    EXPECT_EQ(result.debugFolder, cacheFolder);
    const QByteArray bytes = readAll(reportIn(cacheFolder));
    EXPECT_TRUE(bytes.startsWith("Filename:             \t" + reportIn(cacheFolder).toUtf8()));
    EXPECT_FALSE(bytes.contains("old report"));
}

TEST_F(ProbeFixture, NoCacheFolderEitherMeansNoReportAnywhere) {
    writeFile(root.filePath(QStringLiteral("file")), "");
    EXPECT_EQ(vardo::chooseDebugFolder(programFolder + QStringLiteral("/none"),
                                       root.filePath(QStringLiteral("file/vardo"))),
              QString());
    EXPECT_EQ(vardo::chooseDebugFolder(programFolder + QStringLiteral("/none"), QString()),
              QString());
}

TEST_F(ProbeFixture, TheCacheFolderFollowsXdgCacheHomeThenHome) {
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("XDG_CACHE_HOME", "/x/cache");
    EXPECT_EQ(vardo::userCacheFolder(), QStringLiteral("/x/cache/vardo"));
    qputenv("XDG_CACHE_HOME", "relative");
    qputenv("HOME", "/home/u");
    EXPECT_EQ(vardo::userCacheFolder(), QStringLiteral("/home/u/.cache/vardo"));
    qunsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(vardo::userCacheFolder(), QStringLiteral("/home/u/.cache/vardo"));
    xdg.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", xdg);
    qputenv("HOME", home);
}

// Names the probe and the report use, taken by a link to another file or by a file already
// there: nothing is followed, emptied or removed.
TEST_F(ProbeFixture, TheProbeNameTakenIsLeftAloneAndTheFolderStillTested) {
    const QString probe = programFolder + QStringLiteral("/$_Temp_$.$$$");
    for (const bool asLink : {true, false}) {
        QFile::remove(probe);
        if (asLink) {
            ASSERT_TRUE(QFile::link(victim(), probe));
        } else {
            writeFile(probe, "mine");
        }
        const vardo::ProbeResult result = vardo::runProbe(environment);
        EXPECT_EQ(result.debugFolder, programFolder) << asLink;
        EXPECT_EQ(readAll(victim()), "precious\n");
        EXPECT_EQ(QFileInfo(probe).isSymLink(), asLink);
        if (!asLink) {
            EXPECT_EQ(readAll(probe), "mine");
        }
        EXPECT_EQ(QDir(programFolder).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 1)
            << "the probe's own file is gone";
    }
}

TEST_F(ProbeFixture, AReportNameThatIsALinkIsNeitherRemovedNorWrittenThrough) {
    ASSERT_TRUE(QFile::link(victim(), reportIn(programFolder)));
    environment.arguments = {QStringLiteral("-debug")};
    vardo::runProbe(environment);
    EXPECT_TRUE(QFileInfo(reportIn(programFolder)).isSymLink());
    EXPECT_EQ(readAll(victim()), "precious\n");
}

TEST_F(ProbeFixture, AReportNameThatIsAFifoNeverBlocks) {
    const QByteArray fifo = QFile::encodeName(reportIn(programFolder));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    environment.arguments = {QStringLiteral("-debug")};
    vardo::runProbe(environment);  // returns: the report's lines are dropped
    struct stat info {};
    ASSERT_EQ(::lstat(fifo.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ProbeEnvironmentTest, HoldsThisProcessesFacts) {
    const ProbeEnvironment environment = vardo::currentProbeEnvironment(
        {QStringLiteral("/opt/vardo/vardo"), QStringLiteral("-debug")});
    EXPECT_TRUE(QFile::exists(environment.exePath));
    EXPECT_EQ(environment.arguments, QStringList{QStringLiteral("-debug")});
    EXPECT_TRUE(environment.operatingSystem.startsWith(QStringLiteral("Linux ")));
    EXPECT_EQ(environment.helpVersion, QString::fromLatin1(qVersion()));
}

}  // namespace
