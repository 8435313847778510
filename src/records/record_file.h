// The data file on disk as numbered 128-byte records, open for one operation
// at a time. Reading needs only read access (a missing file is created, empty).
// Writing never changes the file in place: its old bytes and the new records go
// into a new file beside it, which is flushed to the disk and then takes the
// old one's name, so a full disk or a crash leaves all of the old file or all
// of the new one. A symbolic link keeps leading to the data; anything but a
// plain file is refused. Every failure of the system is reported under the
// data file's name with the system's description, and ends the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace dorvanta {

constexpr int kRecordBytes = 128;
using Record = std::array<unsigned char, kRecordBytes>;

// The C library calls through which the file is opened and written, fopen and
// fwrite unless a test puts failing ones in their place (errno included).
struct FileCalls {
    std::FILE* (*open)(const char* path, const char* mode) =
        [](const char* path, const char* mode) { return std::fopen(path, mode); };
    std::size_t (*write)(const void* bytes, std::size_t size, std::size_t count, std::FILE* file) =
        [](const void* bytes, std::size_t size, std::size_t count, std::FILE* file) {
            return std::fwrite(bytes, size, count, file);
        };
};

// A record as read, and how many of its bytes the file holds (the rest are
// zero): fewer than all of them where the file ends early.
struct ReadRecord {
    Record bytes{};
    std::size_t present = 0;
};

// Records 1, 2, ... of the file at `name`, in the order asked.
std::vector<ReadRecord> ReadRecords(Platform& platform, const std::string& name,
                                    const FileCalls& calls, const std::vector<int>& numbers);

// Records by number, all written or none. Records skipped over beyond the end of
// the file become zero bytes.
void WriteRecords(Platform& platform, const std::string& name, const FileCalls& calls,
                  const std::vector<std::pair<int, Record>>& records);

}  // namespace dorvanta
