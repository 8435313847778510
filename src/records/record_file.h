// The data file on disk as numbered 128-byte records, open for one operation
// at a time. Reading needs only read access (a missing file is created, empty)
// and holds the shared lock (records/file_lock.h), so it waits for a save in
// progress, never sees half of one. An update holds the exclusive lock from
// its read to its write, so what it decided on is what it replaces: two games
// saving at once take turns. Its new file is the writer's own, made beside the
// old one under a name nobody else uses, flushed to the disk and then given
// the old one's name, so a full disk or a crash leaves all of the old file or
// all of the new one. In a folder that takes no new file, a data file that may
// be written is written in place instead. A symbolic link keeps leading to the
// data; anything but a plain file is refused. Every failure of the system is
// reported with the system's description under the name of what failed - the
// data file, its lock, or the folder that refused the new file - and ends the
// program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "records/file_replace.h"

namespace dorvanta {

constexpr int kRecordBytes = 128;
using Record = std::array<unsigned char, kRecordBytes>;

// How long an operation waits for another game to let go of the file: a save
// takes milliseconds, a first start's preparation its 3 s of measuring.
constexpr double kLockPatienceSeconds = 10;

// The system calls through which the file is opened, made and written, the
// real ones unless a test puts failing ones in their place (errno included),
// and how long a lock is waited for.
struct FileCalls {
    std::FILE* (*open)(const std::filesystem::path& path, const char* mode) = OpenPath;
    std::FILE* (*create)(const std::filesystem::path& path, std::error_code& error) = CreateNewFile;
    std::size_t (*write)(const void* bytes, std::size_t size, std::size_t count, std::FILE* file) =
        [](const void* bytes, std::size_t size, std::size_t count, std::FILE* file) {
            return std::fwrite(bytes, size, count, file);
        };
    double lockPatienceSeconds = kLockPatienceSeconds;
};

// A record as read, and how many of its bytes the file holds (the rest are
// zero): fewer than all of them where the file ends early.
struct ReadRecord {
    Record bytes{};
    std::size_t present = 0;
};

using RecordWrites = std::vector<std::pair<int, Record>>;
// The records to write, given the ones asked for as the file holds them now;
// none leaves the file as it is.
using DecideWrites = std::function<RecordWrites(const std::vector<ReadRecord>&)>;

// What an update does when the data file may only be read: report the refusal
// and end, or leave the file as it is.
enum class ReadOnlyFile { Refuse, Leave };

// Records 1, 2, ... of the file at `name`, in the order asked.
std::vector<ReadRecord> ReadRecords(Platform& platform, const std::filesystem::path& name,
                                    const FileCalls& calls, const std::vector<int>& numbers);

// Reads the records numbered, then writes the ones `decide` returns, all or
// none. Records skipped over beyond the end of the file become zero bytes.
void UpdateRecords(Platform& platform, const std::filesystem::path& name, const FileCalls& calls,
                   const std::vector<int>& numbers, const DecideWrites& decide,
                   ReadOnlyFile readOnly = ReadOnlyFile::Refuse);

// Records by number, whatever the file holds.
void WriteRecords(Platform& platform, const std::filesystem::path& name, const FileCalls& calls,
                  const RecordWrites& records);

}  // namespace dorvanta
