#pragma once
#include <string>

namespace worvanta::os {

// The current user's folder for application settings (UTF-8): the roaming
// application-data folder on Windows; elsewhere $XDG_CONFIG_HOME when it is
// an absolute path, else ~/.config. Empty when the system gives no folder.
std::string appDataFolder();

}  // namespace worvanta::os
