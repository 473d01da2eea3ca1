#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

Translations::Translations(const QString& folder, const LanguageChoice::Environment& environment) {
    const LanguageChoice::Choice choice = LanguageChoice::choose(environment, available(folder));
    if (!choice.language.isEmpty() &&
        own_.load(QStringLiteral("tilewise_") + choice.language, folder)) {
        language_ = choice.language;
        // Qt's catalogue for the locale, or else for its language: de_AT, de.
        if (qt_.load(QStringLiteral("qtbase_") + choice.locale,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        QCoreApplication::installTranslator(&own_);
    }
    QLocale::setDefault(language_.isEmpty() ? QLocale::c() : QLocale(choice.locale));
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
    QLocale::setDefault(previous_);
}

// Without a name filter: QDir's would load the regular expression engine.
QStringList Translations::available(const QString& folder) {
    const QLatin1String prefix("tilewise_");
    const QLatin1String suffix(".qm");
    QStringList languages;
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.startsWith(prefix) && file.endsWith(suffix)) {
            languages.append(file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()));
        }
    }
    return languages;
}
