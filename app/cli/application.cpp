#include "app/cli/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/program_places.h"
#include "app/messages.h"
#include "app/window/error_guard.h"
#include "app/window/main_window.h"
#include "app/cli/signal_closer.h"
#include "app/help/help_access.h"
#include "app/pages/caption_accessible.h"
#include "controls/accessible_line_edit.h"
#include "persist/files_folder.h"

namespace vardo::app {

QFont windowFont() {
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"MS Sans Serif", "Liberation Sans", "Arimo"}) {
        if (families.contains(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

bool loadFrenchTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

namespace {

bool displayAvailable() {
    // Not QT_QPA_PLATFORM: an offscreen box would wait for a click that never comes.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    }
    return false;
}

// A start that can't go on: the reason on the error output and, where there is a display, in
// the error box.
int stopAtStart(int argc, char** argv, const std::string& message) {
    std::cerr << "vardo : " << message << '\n';
    if (displayAvailable()) {
        QApplication app(argc, argv);
        loadFrenchTranslations();
        showErrorBox(nullptr, QString::fromStdString(errorBoxText(message)));
    }
    return 1;
}

}  // namespace

int runProgram(int argc, char** argv, const std::function<void()>& afterStart) {
    // Qt would abort without a display; an offscreen or other platform named on purpose is let be.
    if (!displayAvailable() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::cerr << "vardo : " << kNoDisplay << '\n';
        return 1;
    }
    const ProgramPlaces places = findProgramPlaces();
    if (!places.failure.empty()) return stopAtStart(argc, argv, places.failure);
    if (!places.files.besideProgram) {
        try {
            createFolder(places.files.path);
        } catch (const Error& error) {
            return stopAtStart(argc, argv, error.what());
        }
    }

    attachHelpViewer();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Away from the program's folder, the debug report goes with the other files.
    runStartupProbe(arguments, places.files.besideProgram
                                   ? QString()
                                   : QString::fromLocal8Bit(places.files.path));
    int code = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("vardo"));
        // The title "Vardo 1.0" captions the message boxes. It is not made the display name: the
        // toolkit would append that to the window's own caption ("... — Vardo 1.0").
        QApplication::setDesktopFileName(QStringLiteral("vardo"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/vardo/vardo.png")));
        loadFrenchTranslations();
        QApplication::setFont(windowFont());
        installLineEditAccessibility();
        installCaptionAccessibility();

        WindowSetup setup;
        setup.filesFolder = places.files.path;
        setup.programPath = places.programPath;
        setup.locale = QLocale::system();
        // The signal handlers outlive the window, so that a signal during its last save is
        // only noted.
        SignalCloser closer;
        {
            MainWindow window(setup);
            closer.setClose([&window] { window.closeUnattended(); });
            window.start();
            if (afterStart) afterStart();
            // A signal during start-up has closed the window already.
            if (!window.closed()) code = QApplication::exec();
            closer.setClose({});
        }  // the window's destruction: the store's save, then the help windows closed
    }
    detachHelpViewer();
    return code;
}

}  // namespace vardo::app
