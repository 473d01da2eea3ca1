#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's options, read before any window exists, so that
// --check-pictures, --make-category, --help and --version work without a
// display.
struct CommandLine {
    bool ok = true;        // false: an unknown option; `message` says which
    bool done = false;     // --help or --version: `message` is printed and the program ends
    QString message;       // for standard output when done, standard error when not ok
    QString checkPictures; // --check-pictures FOLDER
    QString makeCategory;  // --make-category FOLDER [NAME]
    QString categoryName;  // NAME, empty when left out
    QString screenshot;    // --screenshot FILE

    // Qt's own options for the display (-platform, -style, ...) pass through
    // to the application object.
    static CommandLine parse(const QStringList& arguments);

    // Whether a display can be asked for at all: the platform in use needs
    // none (offscreen, say), or DISPLAY or WAYLAND_DISPLAY is set.
    static bool displayNamed(const QStringList& arguments);

    // Its texts are in the player's language once an application object
    // and the catalogues are there; before, they are English.
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
