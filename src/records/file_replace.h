// The steps of replacing a file whole that differ between the systems: opening
// a file by a path that may hold any letters, making a new file that must not
// exist yet, pushing an open file's bytes through to the disk, and giving a new
// file an old one's name in one step, so that the name stands for all of the
// old file or all of the new one, never a mix. A plain rename will not do on
// Windows, where it refuses a name that is taken. Each returns the system's
// error, or none.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace dorvanta {

#ifdef _WIN32
// A Windows error code, as the standard's error where the callers tell it
// apart from others.
std::error_code WindowsError(unsigned long code);
#endif

// A path as the game's texts hold it: UTF-8, whatever the system's own form.
std::string PathText(const std::filesystem::path& path);

// fopen by a path; Windows takes it in UTF-16, not in the ANSI code page.
std::FILE* OpenPath(const std::filesystem::path& path, const char* mode);

// A file of the caller's own, open for reading and writing: made only where no
// file, folder or link of that name exists, so it never leads anywhere else.
std::FILE* CreateNewFile(const std::filesystem::path& path, std::error_code& error);

// The permissions of the file at `from` on the open file `to`.
std::error_code CopyPermissions(const std::filesystem::path& from, std::FILE* to);

// After fflush: the file's bytes are on the disk when this returns.
std::error_code SyncToDisk(std::FILE* file);

// `from` takes the name `to`, replacing the file there; on the same disk. Not
// called ReplaceFile: the Windows headers make that name a macro.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace dorvanta
