#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace {

// The options QGuiApplication takes for itself.
bool isQtOption(const QString& name) {
    static constexpr const char* names[] = {"platform",        "platformpluginpath",
                                            "platformtheme",   "plugin",
                                            "qwindowgeometry", "qwindowicon",
                                            "qwindowtitle",    "reverse",
                                            "session",         "style",
                                            "stylesheet",      "widgetcount",
                                            "display",         "geometry",
                                            "title",           "name",
                                            "visual",          "nograb",
                                            "dograb",          "testability"};
    for (const char* qt : names) {
        if (name == QLatin1String(qt)) {
            return true;
        }
    }
    return false;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("A memory game: find the sets of matching pictures under numbered tiles."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check-pictures"),
        //: Help for --check-pictures; "imgs" is a folder's name and stays as it is
        tr("Checks a picture folder (an imgs folder or one category) without opening "
           "a window: missing, unreadable, oversized and duplicate pictures. Exits 0 "
           "when every category is complete, 1 otherwise."),
        //: The value of --check-pictures in the help, in capitals
        tr("FOLDER"));
    const QCommandLineOption shot(
        QStringLiteral("screenshot"),
        tr("Starts as usual, saves a PNG of the window once the first board is "
           "dealt and its pictures shown, and quits; exits 1 when a picture could "
           "not be shown."),
        //: The value of --screenshot in the help, in capitals
        tr("FILE"));
    const QCommandLineOption make(
        QStringLiteral("make-category"),
        //: Help for --make-category; NAME as the argument's name in the help
        tr("Makes a picture category of 50 pictures from any folder of pictures, "
           "whatever their names, without opening a window. It is kept with your "
           "other made categories and named NAME, or after the folder. Exits 0 when "
           "made, 1 otherwise, also when a category of that name exists."),
        tr("FOLDER"));
    parser.addOption(check);
    parser.addOption(shot);
    parser.addOption(make);
    //: The argument of --make-category in the help, in capitals
    const QString name = tr("NAME");
    parser.addPositionalArgument(name, tr("With --make-category: the category's name."),
                                 QStringLiteral("[%1]").arg(name));

    // Without an application object, Qt names the program <executable_name>
    // in the usage line; with one, by its first argument.
    const auto help = [&parser] {
        return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                         QStringLiteral("tilewise"));
    };
    CommandLine line;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const bool onlyQt =
            !unknown.isEmpty() && std::all_of(unknown.begin(), unknown.end(), &isQtOption);
        if (!onlyQt) {
            line.ok = false;
            line.message = parser.errorText() + QStringLiteral("\n\n") + help();
            return line;
        }
    }
    if (parser.isSet(helpOption)) {
        line.done = true;
        line.message = help();
    } else if (parser.isSet(version)) {
        line.done = true;
        line.message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion());
    }
    line.checkPictures = parser.value(check);
    line.screenshot = parser.value(shot);
    line.makeCategory = parser.value(make);
    for (const auto& [option, needs] :
         {std::pair{&check, tr("--check-pictures needs the folder to check.")},
          {&shot, tr("--screenshot needs the name of the PNG file to write.")},
          {&make, tr("--make-category needs the folder of pictures.")}}) {
        if (parser.isSet(*option) && parser.value(*option).isEmpty()) {
            line.ok = false;
            line.message = needs + QStringLiteral("\n\n") + help();
        }
    }
    const QStringList names = parser.positionalArguments();
    // Other words are left alone: they may be the values of Qt's own options.
    if (!line.done && !line.makeCategory.isEmpty() && names.size() > 1) {
        line.ok = false;
        line.message =
            tr("Unexpected argument: %1").arg(names.last()) + QStringLiteral("\n\n") + help();
        return line;
    }
    line.categoryName = names.value(0);
    return line;
}

bool CommandLine::displayNamed(const QStringList& arguments) {
    qsizetype at = arguments.indexOf(QStringLiteral("-platform"));
    if (at < 0) {
        at = arguments.indexOf(QStringLiteral("--platform"));
    }
    QString platform = at >= 0 ? arguments.value(at + 1) : qEnvironmentVariable("QT_QPA_PLATFORM");
    platform = platform.section(QLatin1Char(':'), 0, 0);
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland"))) {
        return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
