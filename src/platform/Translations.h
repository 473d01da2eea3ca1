#pragma once

#include "LanguageChoice.h"

#include <QLocale>
#include <QTranslator>

// The player's language, for as long as the object lives: Tilewise's own
// catalogue (tilewise_de.qm in `folder`) and Qt's (qtbase_de.qm, for the
// standard boxes and the command line's usage), and the locale that writes
// numbers and dates. English installs no catalogue at all, and writes
// numbers in the C locale, without group separators, as the texts always
// had them. A language without a catalogue is English, without a word.
class Translations {
public:
    explicit Translations(const QString& folder, const LanguageChoice::Environment& environment =
                                                     LanguageChoice::Environment::current());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", or the empty text for English.
    QString language() const { return language_; }

    // The languages that have a catalogue in `folder`, such as "de".
    static QStringList available(const QString& folder);

private:
    QString language_;
    QLocale previous_;
    QTranslator qt_;
    QTranslator own_;
};
