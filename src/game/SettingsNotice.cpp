#include "SettingsNotice.h"

std::optional<StatusNotices::Notice> settingsNotice(const SettingsStore::StartUp& found,
                                                    const QString& file) {
    using Problem = SettingsStore::Problem;
    const QString notPlain =
        QStringLiteral("%1 is not a plain file (it is a FIFO, a device, a "
                       "link to one, or larger than %2 MB), so Tilewise "
                       "does not read it.")
            .arg(file, QString::number(SettingsStore::kMaxBytes / (1024 * 1024)));
    switch (found.problem) {
    case Problem::None:
        break;
    case Problem::Damaged:
        if (found.keptAs.isEmpty()) {
            break;
        }
        return StatusNotices::Notice{
            QStringLiteral("Settings file damaged; a copy was kept."),
            QStringLiteral("The settings file could not be read whole. It was copied to %1 "
                           "before Tilewise writes it again.")
                .arg(found.keptAs)};
    case Problem::NotPlain:
        if (found.keptAs.isEmpty()) {
            return StatusNotices::Notice{
                QStringLiteral("Settings file unusable; nothing can be saved."),
                notPlain + QStringLiteral(" It could not be moved aside either: the game "
                                          "starts with the default preferences, and nothing "
                                          "is saved until it is removed.")};
        }
        return StatusNotices::Notice{QStringLiteral("Settings file unusable; it was moved aside."),
                                     notPlain + QStringLiteral(" It was renamed to %1, and a new "
                                                               "settings file is written in its "
                                                               "place.")
                                                    .arg(found.keptAs)};
    case Problem::Unreadable:
        return StatusNotices::Notice{
            QStringLiteral("Settings file unreadable: %1").arg(file),
            QStringLiteral("The settings file %1 %2. The game starts with the default "
                           "preferences, and they cannot be saved there.")
                .arg(file, found.reason)};
    }
    return std::nullopt;
}
