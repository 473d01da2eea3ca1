#include "LanguageChoice.h"

namespace LanguageChoice {

namespace {

// "de_AT.UTF-8@euro" -> "de_AT": the codeset and the modifier name no language.
QString withoutCodeset(const QString& entry) {
    return entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
}

bool isCLocale(const QString& locale) {
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX");
}

} // namespace

Environment Environment::current() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

Choice choose(const Environment& environment, const QStringList& available) {
    const Choice english{QString(), QStringLiteral("C")};
    QString messages = environment.lcAll;
    if (messages.isEmpty()) {
        messages = environment.lcMessages;
    }
    if (messages.isEmpty()) {
        messages = environment.lang;
    }
    // The C locale ignores LANGUAGE; C.UTF-8 does not, and is English itself.
    if (messages.isEmpty() || isCLocale(messages)) {
        return english;
    }
    const QStringList wanted = environment.language.isEmpty()
                                   ? QStringList{messages}
                                   : environment.language.split(QLatin1Char(':'));
    for (const QString& entry : wanted) {
        const QString locale = withoutCodeset(entry);
        if (locale.isEmpty()) {
            continue; // "de::fr"
        }
        const QString language = locale.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || isCLocale(locale)) {
            return english;
        }
        for (const QString& found : {locale, language}) {
            if (available.contains(found)) {
                return {found, locale};
            }
        }
    }
    return english;
}

} // namespace LanguageChoice
