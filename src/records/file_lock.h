// Who may touch the data file at a time, across games, users and the command
// line: many readers, or one writer. The lock is held on a file of its own
// beside the data file (`Dorvanta.dat.lock`), since the data file is replaced
// at every save and a lock on a replaced file guards nothing. In a folder that
// refuses a new file, where saves go in place, the data file itself carries the
// lock. The system lets go of the lock of a game that dies, so a killed save
// never leaves the file locked.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace dorvanta {

class FileLock {
  public:
    enum class Mode { Shared, Exclusive };

    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;

    // Takes the lock of the data file at `dataFile` (the plain file behind its
    // links), trying again until `patienceSeconds` have passed. Returns what
    // went wrong as "file: description", or "" once the lock is held, or when
    // no lock can exist: no lock file can be made and the data file is
    // missing, so the operation fails on its own and says why.
    std::string Take(const std::filesystem::path& dataFile, Mode mode, double patienceSeconds);

    // The lock is held on the data file itself, which must then be written in
    // place: replacing it would leave the lock on a file no longer in use.
    bool CarriedByDataFile() const;

  private:
#ifdef _WIN32
    using Handle = void*;
    static constexpr Handle kNoHandle = nullptr;
#else
    using Handle = int;
    static constexpr Handle kNoHandle = -1;
#endif

    // Keeps what the system gave; false, with the error, for no file.
    bool Opened(Handle handle, std::error_code& error);
    bool OpenLockFile(const std::filesystem::path& lockFile, std::error_code& error);
    bool OpenDataFile(const std::filesystem::path& dataFile, std::error_code& error);
    bool HoldsPlainFile() const;
    // True once settled: the lock taken, or refused for another reason than
    // another game holding it (in `error`).
    bool TryLock(Mode mode, std::error_code& error);
    void Release() noexcept;

    Handle handle_ = kNoHandle;
    bool onDataFile_ = false;
};

}  // namespace dorvanta
