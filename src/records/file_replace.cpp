#include "records/file_replace.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace dorvanta {

#ifdef _WIN32

std::error_code SyncToDisk(std::FILE* file) {
    if (_commit(_fileno(file)) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

// Write-through: the new name is on the disk when this returns.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
}

#else

std::error_code SyncToDisk(std::FILE* file) {
    if (fsync(fileno(file)) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

// rename() replaces a taken name in one step.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
}

#endif

}  // namespace dorvanta
