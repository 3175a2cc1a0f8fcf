#pragma once
#include "engine/regional_settings.h"

class QLocale;

namespace worvanta::locale {

// The regional settings of a locale as value typing needs them. The time
// zone is dropped from the long time format (a file's times carry none).
// The C and POSIX locales give decimal ".", no thousands separator,
// yyyy-MM-dd with "-" and HH:mm:ss.
engine::RegionalSettings regionalSettingsOf(const QLocale& locale);

// The workstation's regional settings, as the program and worvanta-csv use them.
engine::RegionalSettings systemRegionalSettings();

}  // namespace worvanta::locale
