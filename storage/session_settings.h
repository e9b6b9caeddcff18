// Which part of the session each line of "Typecask.ini" holds, both ways.
#pragma once

#include "storage/settings_file.h"

namespace typecask {

class Session;

// Puts the settings' values into the session (the filter, the sizes, the list options, the
// selection bar and the three sample texts).
void applySettingsToSession(const AppSettings& settings, Session& session);

// The settings as the session holds them now, for saving.
AppSettings settingsFromSession(const Session& session);

} // namespace typecask
