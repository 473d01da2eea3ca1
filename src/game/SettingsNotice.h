#pragma once

#include "SettingsStore.h"
#include "StatusNotices.h"

#include <optional>

// The start-up news of a settings file that could not be used as it was:
// damaged and copied aside, not a plain file and moved aside, or unreadable.
// Its path is in the notice's detail.
std::optional<StatusNotices::Notice> settingsNotice(const SettingsStore::StartUp& found,
                                                    const QString& file);
