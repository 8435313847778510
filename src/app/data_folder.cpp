#include "app/data_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/platform.h"
#include "records/file_replace.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace dorvanta {

namespace fs = std::filesystem;

namespace {

void ReportUnless(Platform& platform, const std::error_code& error, const fs::path& folder) {
    if (error) {
        ReportFaultAndEnd(platform, PathText(folder) + ": " + error.message());
    }
}

#ifndef _WIN32

constexpr const char* kDataFolderName = "dorvanta";

// The XDG base directories name only absolute paths; any other is ignored.
fs::path SharedDataHome() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && fs::path(dataHome).is_absolute()) {
        return dataHome;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* entry = getpwuid(getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    return home != nullptr ? fs::path(home) / ".local" / "share" : fs::path();
}

#endif

}  // namespace

#ifdef _WIN32

// In UTF-16 throughout: a narrow path takes the ANSI code page, which would
// garble a user folder named in letters outside it.
fs::path UserDataFolder() {
    PWSTR roaming = nullptr;
    fs::path folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming) == S_OK) {
        folder = fs::path(roaming) / L"Dorvanta";
    }
    CoTaskMemFree(roaming);
    return folder;
}

#else

fs::path UserDataFolder() {
    const fs::path shared = SharedDataHome();
    return shared.empty() ? shared : shared / kDataFolderName;
}

#endif

void EnterDataFolder(Platform& platform, const fs::path& folder) {
    if (folder.empty()) {
        ReportFaultAndEnd(platform, "The system names no folder for the player's data");
    }
    std::error_code error;
    fs::create_directories(folder, error);
    ReportUnless(platform, error, folder);
    fs::current_path(folder, error);
    ReportUnless(platform, error, folder);
}

}  // namespace dorvanta
