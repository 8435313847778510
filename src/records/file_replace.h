// The two steps of replacing a file whole that differ between the systems:
// pushing an open file's bytes through to the disk, and giving a new file an
// old one's name in one step, so that the name stands for all of the old file
// or all of the new one, never a mix. A plain rename will not do on Windows,
// where it refuses a name that is taken. Each returns the system's error, or
// none.
#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace dorvanta {

// After fflush: the file's bytes are on the disk when this returns.
std::error_code SyncToDisk(std::FILE* file);

// `from` takes the name `to`, replacing the file there; on the same disk. Not
// called ReplaceFile: the Windows headers make that name a macro.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace dorvanta
