// The start-up probe and HHDebug.txt: the log step's rules, the debug folder, the debug switches,
// the old report deleted at every start and the report's lines.
#include "controls/debug_report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "controls/help_access.h"

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

struct LogLine {
    const char* name;
    const char* line;
    QString expected;
};

class LogStepTest : public testing::TestWithParam<LogLine> {};

TEST_P(LogStepTest, FormatsTheLine) {
    EXPECT_EQ(vardo::formatLogLine(QString::fromUtf8(GetParam().line), QTime(14, 5, 9)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LogStepTest,
    testing::Values(LogLine{"Hyphens", "-", QString(79, u'-')},
                    LogLine{"EqualsSigns", "=", QString(79, u'=')},
                    LogLine{"LabelLosesItsMark", "!Label\tvalue", QStringLiteral("Label\tvalue")},
                    LogLine{"LeadingHyphenRemoved", "-x", QStringLiteral("x")},
                    LogLine{"LeadingEqualsRemoved", "==", QStringLiteral("=")},
                    LogLine{"OtherLineGetsTheTime", "Note", QStringLiteral("Note   14:05:09")},
                    LogLine{"EmptyLineGetsTheTime", "", QStringLiteral("   14:05:09")}),
    [](const testing::TestParamInfo<LogLine>& row) { return std::string(row.param.name); });

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

// A program folder and a temporary folder of the test's own.
class ProbeFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("program")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("temp")));
        programFolder = root.filePath(QStringLiteral("program"));
        tempFolder = root.filePath(QStringLiteral("temp"));
        environment.exePath = programFolder + QStringLiteral("/vardo");
        environment.tempFolder = tempFolder;
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
    QString programFolder;
    QString tempFolder;
    ProbeEnvironment environment;
};

TEST_F(ProbeFixture, WithoutASwitchAnOldReportIsDeletedAndNoneWritten) {
    writeFile(reportIn(programFolder), "old report\r\n");
    const vardo::ProbeResult result = vardo::runProbe(environment);
    EXPECT_FALSE(result.debugMode);
    EXPECT_EQ(result.debugFolder, programFolder);
    EXPECT_FALSE(QFile::exists(reportIn(programFolder)));
    EXPECT_FALSE(QFile::exists(reportIn(tempFolder)));
    EXPECT_FALSE(QFile::exists(programFolder + QStringLiteral("/$_Temp_$.$$$")))
        << "the write test leaves nothing behind";
}

TEST_F(ProbeFixture, TheFoldersAreRecordedWithoutTrailingSeparator) {
    const vardo::ProbeResult result = vardo::runProbe(environment);
    EXPECT_EQ(result.programFolder, programFolder);
    EXPECT_EQ(result.moduleFolder, programFolder);
    EXPECT_EQ(result.moduleName, QStringLiteral("vardo"));
    EXPECT_TRUE(result.helpInstalled);
    EXPECT_FALSE(result.browserInstalled);
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

TEST_F(ProbeFixture, AnUnwritableModuleFolderSendsTheReportToTheTemporaryFolder) {
    // A folder path that is really a file: nothing can be created inside it.
    writeFile(programFolder + QStringLiteral("/blocked"), "");
    environment.exePath = programFolder + QStringLiteral("/blocked/vardo");
    environment.arguments = {QStringLiteral("/debug")};
    writeFile(reportIn(tempFolder), "old report\r\n");
    const vardo::ProbeResult result = vardo::runProbe(environment);
    EXPECT_EQ(result.debugFolder, tempFolder);
    const QByteArray bytes = readAll(reportIn(tempFolder));
    EXPECT_TRUE(bytes.startsWith("Filename:             \t" + reportIn(tempFolder).toUtf8()));
    EXPECT_FALSE(bytes.contains("old report"));
}

TEST_F(ProbeFixture, NoTemporaryFolderEitherFallsBackToTheRoot) {
    EXPECT_EQ(vardo::chooseDebugFolder(programFolder + QStringLiteral("/none"),
                                       root.filePath(QStringLiteral("gone"))),
              QStringLiteral("/"));
}

TEST_F(ProbeFixture, ALocaleWithoutWindowsIdentifierShowsZeros) {
    environment.localeName = QStringLiteral("C");
    environment.decimalSeparator = QChar(u'.');
    environment.arguments = {QStringLiteral("-debug")};
    vardo::runProbe(environment);
    const QByteArray bytes = readAll(reportIn(programFolder));
    EXPECT_TRUE(bytes.contains("SysLocale.DefaultLCID: \t0x0000\r\n"));
    EXPECT_TRUE(bytes.contains("SysLocale.PriLangID:   \t0x0000\r\n"));
    EXPECT_TRUE(bytes.contains("DecimalSeparator:      \t.\r\n"));
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
