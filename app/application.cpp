#include "app/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/error_guard.h"
#include "app/main_window.h"
#include "app/signal_closer.h"
#include "controls/help_access.h"

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

int runProgram(int argc, char** argv, const std::function<void()>& afterStart) {
    AttachHelpViewer();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    runStartupProbe(arguments);
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

        WindowSetup setup;
        setup.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
        setup.programPath = QCoreApplication::applicationFilePath().toStdString();
        setup.locale = QLocale::system();
        {
            MainWindow window(setup);
            SignalCloser closer(&window);
            window.start();
            if (afterStart) afterStart();
            code = QApplication::exec();
        }  // the window's destruction: the store's save, then the help windows closed
    }
    DetachHelpViewer();
    return code;
}

}  // namespace vardo::app
