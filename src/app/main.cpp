#include "AppIcon.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "EndSignals.h"
#include "FolderListing.h"
#include "MainWindow.h"
#include "MakeCategoryCommand.h"
#include "MessageFilter.h"
#include "NumberText.h"
#include "PictureCheck.h"
#include "QuietStyle.h"
#include "SettingsStore.h"
#include "TileBoard.h"
#include "Translations.h"
#include "WarmUp.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace {

// The catalogues lie in the bundled data folder.
QString translationsFolder() {
    return DataFolder::bundled(QCoreApplication::applicationDirPath()) +
           QStringLiteral("/translations");
}

// Saves a picture of the window once its first board shows all it can, and
// ends the program: 0 when every picture could be shown.
void saveScreenshotWhenShown(MainWindow& window, const QString& file) {
    QObject::connect(&window, &MainWindow::picturesShown, &window, [&window, file] {
        const bool saved = window.grab().save(file, "PNG");
        const QStringList missing = window.board()->missingPictures();
        if (!saved) {
            //: Printed when --screenshot cannot write its file; %1: the file
            const QString told = QCoreApplication::translate("main", "tilewise: cannot write %1");
            std::fprintf(stderr, "%s\n", qPrintable(told.arg(file)));
        } else if (!missing.isEmpty()) {
            //: Printed by --screenshot; %1: how many pictures, %2: the first one's file
            const QString told = QCoreApplication::translate(
                "main", "tilewise: pictures missing or unreadable: %1, such as %2");
            std::fprintf(stderr, "%s\n",
                         qPrintable(told.arg(NumberText::local(missing.size()), missing.first())));
        }
        QApplication::exit(saved && missing.isEmpty() ? 0 : 1);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(&filterMessages);
    QCoreApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QCoreApplication::setApplicationName(QStringLiteral("Tilewise"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILEWISE_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    CommandLine line = CommandLine::parse(arguments);
    if (!line.ok || line.done) {
        // Read again in the player's language, which needs an application
        // object; the usage line names the program as its players type it,
        // wherever it was started from.
        char name[] = "tilewise";
        argv[0] = name;
        const QCoreApplication app(argc, argv);
        const Translations language(translationsFolder());
        line = CommandLine::parse(arguments);
        std::fputs(qPrintable(line.message), line.ok ? stdout : stderr);
        return line.ok ? 0 : 2;
    }
    if (!line.checkPictures.isEmpty()) {
        const QCoreApplication app(argc, argv);
        const Translations language(translationsFolder());
        QTextStream out(stdout);
        return checkPictures(line.checkPictures, out);
    }
    if (!line.makeCategory.isEmpty()) {
        const QCoreApplication app(argc, argv);
        const Translations language(translationsFolder());
        QTextStream out(stdout);
        QTextStream err(stderr);
        // A made category must not take the name of one the game lists first.
        const QString data =
            DataFolder::resolve(QDir::currentPath(), QCoreApplication::applicationDirPath());
        return makeCategoryCommand(line.makeCategory, line.categoryName, DataFolder::made(),
                                   FolderListing::folders(data + QStringLiteral("/imgs")), out, err,
                                   isatty(STDERR_FILENO) != 0);
    }
    if (!CommandLine::displayNamed(arguments)) {
        const QCoreApplication app(argc, argv);
        const Translations language(translationsFolder());
        std::fprintf(stderr, "%s\n", qPrintable(noDisplayText()));
        return 1;
    }

    // Two pieces of start-up work run on threads of their own while Qt
    // connects to the display, as the window needs both before it shows:
    // - fontconfig's configuration. The first text measured makes Qt's font
    //   database ask for it, and fontconfig then parses some fifty XML files.
    // - the session bus. The first text set on a widget makes Qt's
    //   accessibility bridge connect to it. Where no bus is running, D-Bus
    //   starts one through dbus-launch, which takes longer than building the
    //   window.
    // Qt takes the first thread that asks for its thread data for its main
    // thread, so this one asks before the session-bus thread can.
    QThread::currentThread();
    WarmUp fonts([] { FcInit(); });
    const WarmUp bus([] { QDBusConnection::sessionBus(); });
    QApplication app(argc, argv);
    const Translations language(translationsFolder());
    // From here on, SIGTERM and SIGHUP wait for the window to end the game
    // as Exit does.
    const EndSignals endSignals;
    fonts.wait();
    QApplication::setStyle(new QuietStyle);
    // Every window, the standard boxes included, carries the program's icon.
    QApplication::setWindowIcon(appIcon());
    MainWindow::Services services;
    services.dataFolder =
        DataFolder::resolve(QDir::currentPath(), QApplication::applicationDirPath());
    services.settingsFile = SettingsStore::userFile();
    services.language = language.language();
    MainWindow window(std::move(services));
    // Every end of the program saves what the player decided: a signal and
    // the desktop's log-out end it as Exit does; a display that went away
    // leaves only the moment before Qt's exit(1).
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.endSession(); });
    onDisplayLost([&window] { window.saveDecided(); });
    const auto unhook = qScopeGuard([] { onDisplayLost({}); });
    if (!line.screenshot.isEmpty()) {
        saveScreenshotWhenShown(window, line.screenshot);
    }
    window.show();
    return QApplication::exec();
}
