#pragma once

#include <QString>
#include <QStringList>

// Which language the player reads, from the environment, as Debian's
// programs choose theirs: LANGUAGE lists the languages in the order the
// player prefers them, unless the locale for messages (LC_ALL, else
// LC_MESSAGES, else LANG) is C or POSIX, or nothing is set at all: then
// the texts are English. Without LANGUAGE, the locale for messages names
// the language. English, the language the texts are written in, needs no
// catalogue: an English entry ends the search as a catalogue would.
namespace LanguageChoice {

struct Environment {
    QString language;   // LANGUAGE: "de_AT:fr"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static Environment current();
};

struct Choice {
    QString language; // the catalogue's language, "de"; empty for English
    QString locale;   // numbers and dates: "de_AT", or "C" for English
};

// `available` holds the languages with a catalogue, such as "de". An entry
// "de_AT.UTF-8@euro" is tried as de_AT, then as de.
Choice choose(const Environment& environment, const QStringList& available);

} // namespace LanguageChoice
