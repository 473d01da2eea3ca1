#include "SettingsNotice.h"

#include "NumberText.h"

#include <QCoreApplication>

std::optional<StatusNotices::Notice> settingsNotice(const SettingsStore::StartUp& found,
                                                    const QString& file) {
    using Problem = SettingsStore::Problem;
    //: The start of a status bar tool tip; %1: the settings file, %2: the largest size read
    const QString notPlain =
        QCoreApplication::translate("SettingsNotice",
                                    "%1 is not a plain file (it is a FIFO, a device, a "
                                    "link to one, or larger than %2 MB), so Tilewise "
                                    "does not read it.")
            .arg(file, NumberText::local(SettingsStore::kMaxBytes / (1024 * 1024)));
    switch (found.problem) {
    case Problem::None:
        break;
    case Problem::Damaged:
        if (found.keptAs.isEmpty()) {
            break;
        }
        return StatusNotices::Notice{
            //: Status bar at start-up, kept short; the tool tip says more
            QCoreApplication::translate("SettingsNotice",
                                        "Settings file damaged; a copy was kept."),
            //: %1: the copy's file name
            QCoreApplication::translate("SettingsNotice",
                                        "The settings file could not be read whole. It was "
                                        "copied to %1 before Tilewise writes it again.")
                .arg(found.keptAs)};
    case Problem::NotPlain:
        if (found.keptAs.isEmpty()) {
            return StatusNotices::Notice{
                //: Status bar at start-up, kept short; the tool tip says more
                QCoreApplication::translate("SettingsNotice",
                                            "Settings file unusable; nothing can be saved."),
                //: %1: the sentence that says why the file is not read
                QCoreApplication::translate(
                    "SettingsNotice",
                    "%1 It could not be moved aside either: the game starts with the default "
                    "preferences, and nothing is saved until it is removed.")
                    .arg(notPlain)};
        }
        return StatusNotices::Notice{
            //: Status bar at start-up, kept short; the tool tip says more
            QCoreApplication::translate("SettingsNotice",
                                        "Settings file unusable; it was moved aside."),
            //: %1: the sentence that says why the file is not read, %2: its new name
            QCoreApplication::translate("SettingsNotice",
                                        "%1 It was renamed to %2, and a new settings file is "
                                        "written in its place.")
                .arg(notPlain, found.keptAs)};
    case Problem::Unreadable:
        return StatusNotices::Notice{
            //: Status bar at start-up, kept short; %1: the settings file
            QCoreApplication::translate("SettingsNotice", "Settings file unreadable: %1").arg(file),
            //: %1: the settings file, %2: why, such as "cannot be read (Permission denied)"
            QCoreApplication::translate("SettingsNotice",
                                        "The settings file %1 %2. The game starts with the "
                                        "default preferences, and they cannot be saved there.")
                .arg(file, found.reason)};
    }
    return std::nullopt;
}
