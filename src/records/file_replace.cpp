#include "records/file_replace.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dorvanta {

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32

std::error_code WindowsError(unsigned long code) {
    switch (code) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        default:
            return {static_cast<int>(code), std::system_category()};
    }
}

std::FILE* OpenPath(const std::filesystem::path& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error) {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = WindowsError(GetLastError());
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
    std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "w+b");
    if (file == nullptr) {
        error = {errno, std::generic_category()};
        descriptor < 0 ? CloseHandle(handle) : _close(descriptor);
        DeleteFileW(path.c_str());
    }
    return file;
}

// Windows keeps one read-only flag, and the old file had it clear: it was
// opened for writing.
std::error_code CopyPermissions(const std::filesystem::path&, std::FILE*) {
    return {};
}

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

namespace {

// What any new file gets, less the player's umask.
constexpr mode_t kNewFileMode = 0666;

}  // namespace

std::FILE* OpenPath(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error) {
    const int descriptor =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    std::FILE* file = descriptor < 0 ? nullptr : ::fdopen(descriptor, "w+b");
    if (file == nullptr) {
        error = {errno, std::generic_category()};
        if (descriptor >= 0) {
            ::close(descriptor);
            ::unlink(path.c_str());
        }
    }
    return file;
}

// Through the open file, not its name, which someone else could have changed.
std::error_code CopyPermissions(const std::filesystem::path& from, std::FILE* to) {
    struct stat status {};
    if (::stat(from.c_str(), &status) != 0 || ::fchmod(::fileno(to), status.st_mode & 07777) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

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
