#include "os/app_data_folder.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#else
#include <cstdlib>
#endif

namespace worvanta::os {

#ifdef _WIN32

std::string appDataFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    const int wideLength = static_cast<int>(wcslen(folder));
    if (wideLength == 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, folder, wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, folder, wideLength, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

#else

std::string appDataFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/')
        return configHome;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        std::string folder = home;
        if (folder.back() != '/')
            folder += '/';
        return folder + ".config";
    }
    return {};
}

#endif

}  // namespace worvanta::os
