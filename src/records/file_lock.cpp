#include "records/file_lock.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "core/number_text.h"
#include "records/file_replace.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace dorvanta {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLockSuffix = ".lock";
constexpr std::chrono::milliseconds kRetryPause{10};
constexpr const char* kNotAPlainFile = "Not a regular file";

// Where no lock file can be made or opened, the data file carries the lock.
bool CannotMake(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::read_only_file_system ||
           error == std::errc::operation_not_permitted ||
           error == std::errc::no_such_file_or_directory;
}

std::string Failure(const fs::path& path, std::error_code error) {
    return PathText(path) + ": " + error.message();
}

std::string Busy(const fs::path& dataFile, double patienceSeconds) {
    return PathText(dataFile) + ": In use by another game for more than " +
           NumberText(patienceSeconds) + " seconds";
}

// Tries `attempt` until it answers true, or false after `patienceSeconds`.
template <class Attempt>
bool Retry(Attempt attempt, double patienceSeconds) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration<double>(std::max(0.0, patienceSeconds));
    while (!attempt()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    return true;
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), onDataFile_(other.onDataFile_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    Release();
    handle_ = std::exchange(other.handle_, kNoHandle);
    onDataFile_ = other.onDataFile_;
    return *this;
}

FileLock::~FileLock() {
    Release();
}

bool FileLock::CarriedByDataFile() const {
    return handle_ != kNoHandle && onDataFile_;
}

std::string FileLock::Take(const fs::path& dataFile, Mode mode, double patienceSeconds) {
    Release();
    fs::path lockFile = dataFile;
    lockFile += kLockSuffix;
    std::error_code error;
    onDataFile_ = !OpenLockFile(lockFile, error) && CannotMake(error);
    if (onDataFile_ && !OpenDataFile(dataFile, error) &&
        error == std::errc::no_such_file_or_directory) {
        return "";
    }
    const fs::path& opened = onDataFile_ ? dataFile : lockFile;
    if (error) {
        return Failure(opened, error);
    }
    if (!HoldsPlainFile()) {
        Release();
        return PathText(opened) + ": " + kNotAPlainFile;
    }
    const bool settled = Retry([&] { return TryLock(mode, error); }, patienceSeconds);
    if (settled && !error) {
        return "";
    }
    Release();
    return settled ? Failure(opened, error) : Busy(dataFile, patienceSeconds);
}

#ifdef _WIN32

namespace {

// The lock on the data file itself lies far beyond any byte it will hold:
// Windows locks are binding, and a lock on its records would refuse the readers.
constexpr DWORD kFarOffsetHigh = 0x40000000;

// Never through a link: a planted one would have the game open another file.
HANDLE OpenShared(const fs::path& path, DWORD access, DWORD disposition) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                       nullptr);
}

}  // namespace

bool FileLock::Opened(void* handle, std::error_code& error) {
    if (handle == INVALID_HANDLE_VALUE) {
        error = WindowsError(GetLastError());
        return false;
    }
    handle_ = handle;
    error.clear();
    return true;
}

// Made if missing; one that another user made may only be readable.
bool FileLock::OpenLockFile(const fs::path& lockFile, std::error_code& error) {
    return Opened(OpenShared(lockFile, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS), error) ||
           (CannotMake(error) && Opened(OpenShared(lockFile, GENERIC_READ, OPEN_EXISTING), error));
}

bool FileLock::OpenDataFile(const fs::path& dataFile, std::error_code& error) {
    return Opened(OpenShared(dataFile, GENERIC_READ, OPEN_EXISTING), error);
}

bool FileLock::HoldsPlainFile() const {
    BY_HANDLE_FILE_INFORMATION information;
    return GetFileInformationByHandle(handle_, &information) &&
           (information.dwFileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

bool FileLock::TryLock(Mode mode, std::error_code& error) {
    OVERLAPPED at{};
    at.OffsetHigh = onDataFile_ ? kFarOffsetHigh : 0;
    const DWORD flags =
        LOCKFILE_FAIL_IMMEDIATELY | (mode == Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (LockFileEx(handle_, flags, 0, 1, 0, &at)) {
        error.clear();
        return true;
    }
    const DWORD code = GetLastError();
    error = WindowsError(code);
    return code != ERROR_LOCK_VIOLATION;
}

// Closing lets go of the lock.
void FileLock::Release() noexcept {
    if (handle_ != kNoHandle) {
        CloseHandle(std::exchange(handle_, kNoHandle));
    }
}

#else

namespace {

// Readable by everyone who shares the folder: taking the lock needs only that.
constexpr mode_t kLockFileMode = 0644;
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

}  // namespace

bool FileLock::Opened(int descriptor, std::error_code& error) {
    if (descriptor < 0) {
        error = {errno, std::generic_category()};
        return false;
    }
    handle_ = descriptor;
    error.clear();
    return true;
}

// Made if missing, for everyone whatever the player's umask; one that another
// user made may only be readable.
bool FileLock::OpenLockFile(const fs::path& lockFile, std::error_code& error) {
    if (Opened(::open(lockFile.c_str(), O_RDWR | O_CREAT | kOpenFlags, kLockFileMode), error)) {
        struct stat status {};
        if (::fstat(handle_, &status) == 0 && status.st_uid == ::geteuid()) {
            ::fchmod(handle_, kLockFileMode);
        }
        return true;
    }
    return CannotMake(error) && Opened(::open(lockFile.c_str(), O_RDONLY | kOpenFlags), error);
}

bool FileLock::OpenDataFile(const fs::path& dataFile, std::error_code& error) {
    return Opened(::open(dataFile.c_str(), O_RDONLY | kOpenFlags), error);
}

bool FileLock::HoldsPlainFile() const {
    struct stat status {};
    return ::fstat(handle_, &status) == 0 && S_ISREG(status.st_mode);
}

// flock, not fcntl: an fcntl lock goes when the process closes any descriptor
// of the file, and a save in place opens and closes the data file itself.
bool FileLock::TryLock(Mode mode, std::error_code& error) {
    if (::flock(handle_, (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0) {
        error.clear();
        return true;
    }
    const int code = errno;
    error = {code, std::generic_category()};
    return code != EWOULDBLOCK && code != EINTR;
}

// Closing lets go of the lock.
void FileLock::Release() noexcept {
    if (handle_ != kNoHandle) {
        ::close(std::exchange(handle_, kNoHandle));
    }
}

#endif

}  // namespace dorvanta
