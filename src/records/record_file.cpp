#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "records/file_replace.h"

namespace dorvanta {

namespace fs = std::filesystem;

namespace {

constexpr long kRecordLength = kRecordBytes;
constexpr int kMostLinksFollowed = 40;
constexpr const char* kNewFileSuffix = ".new";
constexpr const char* kNotAPlainFile = "Not a regular file";

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The report of a failure, under the data file's name, and the end.
[[noreturn]] void FileFault(Platform& platform, const std::string& name,
                            const std::string& description) {
    ReportFaultAndEnd(platform, name + ": " + description);
}

[[noreturn]] void FileFault(Platform& platform, const std::string& name, std::error_code error) {
    FileFault(platform, name, error.message());
}

// What the data file's name leads to: the name itself, or the end of its chain
// of symbolic links, so that a rewrite replaces the data and keeps the link.
// Only a plain file, or none yet, will do: reading a FIFO would wait for ever,
// and a rewrite would put a plain file in place of a device.
fs::path PlainFileBehind(Platform& platform, const std::string& name) {
    fs::path path = name;
    for (int links = 0; links <= kMostLinksFollowed; ++links) {
        std::error_code error;
        const fs::file_type type = fs::symlink_status(path, error).type();
        if (type == fs::file_type::regular || type == fs::file_type::not_found) {
            return path;
        }
        if (error) {
            FileFault(platform, name, error);
        }
        if (type == fs::file_type::directory) {
            FileFault(platform, name, std::make_error_code(std::errc::is_a_directory));
        }
        if (type != fs::file_type::symlink) {
            FileFault(platform, name, kNotAPlainFile);
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            FileFault(platform, name, error);
        }
        path = path.parent_path() / target;  // an absolute target replaces the whole path
    }
    FileFault(platform, name, std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

// An open file of records; it closes when the operation ends.
class OpenFile {
  public:
    // Takes what `calls.open` gave, a failure included.
    OpenFile(Platform& platform, const std::string& name, const FileCalls& calls, std::FILE* file)
        : platform_(platform), name_(name), calls_(calls), file_(file) {
        if (file_ == nullptr) {
            Fault();
        }
    }

    ~OpenFile() { Discard(); }

    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Record n into `record`; returns how many of its bytes the file holds,
    // the rest are zero.
    std::size_t Read(int n, Record& record) {
        record.fill(0);
        Seek(Offset(n));
        const std::size_t present = std::fread(record.data(), 1, record.size(), file_);
        if (std::ferror(file_)) {
            Fault();
        }
        return present;
    }

    // Whole records skipped over by a write beyond the end become zero bytes.
    void Write(int n, const Record& record) {
        const long offset = Offset(n);
        const long size = Size();
        if (size < offset) {
            const Record zeros{};
            Seek(size);
            for (long left = offset - size; left > 0; left -= kRecordLength) {
                Put(zeros.data(), static_cast<std::size_t>(std::min(left, kRecordLength)));
            }
        }
        Seek(offset);
        Put(record.data(), record.size());
    }

    // Every byte of `source`, from its start, at the current position.
    void CopyFrom(OpenFile& source) {
        source.Seek(0);
        Record chunk;
        std::size_t count = 0;
        while ((count = std::fread(chunk.data(), 1, chunk.size(), source.file_)) > 0) {
            Put(chunk.data(), count);
        }
        if (std::ferror(source.file_)) {
            source.Fault();
        }
    }

    void FlushToDisk() {
        if (std::fflush(file_) != 0) {
            Fault();
        }
        if (const std::error_code error = SyncToDisk(file_)) {
            FileFault(platform_, name_, error);
        }
    }

    // Closing flushes the writes; a failure there is a failed write.
    void Close() {
        std::FILE* file = std::exchange(file_, nullptr);
        if (std::fclose(file) != 0) {
            Fault();
        }
    }

    // Closes without a word: the operation has failed already.
    void Discard() {
        if (file_ != nullptr) {
            std::fclose(std::exchange(file_, nullptr));
        }
    }

  private:
    static long Offset(int n) { return (n - 1) * kRecordLength; }

    long Size() {
        if (std::fseek(file_, 0, SEEK_END) != 0) {
            Fault();
        }
        const long size = std::ftell(file_);
        if (size < 0) {
            Fault();
        }
        return size;
    }

    void Seek(long offset) {
        if (std::fseek(file_, offset, SEEK_SET) != 0) {
            Fault();
        }
    }

    void Put(const unsigned char* bytes, std::size_t count) {
        if (calls_.write(bytes, 1, count, file_) != count) {
            Fault();
        }
    }

    [[noreturn]] void Fault() { FileFault(platform_, name_, LastError()); }

    Platform& platform_;
    const std::string& name_;
    const FileCalls& calls_;
    std::FILE* file_;
};

// The old file's permissions on the new one; a first file gets what any new
// file gets.
std::error_code CopyPermissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (status.type() == fs::file_type::not_found) {
        return {};
    }
    if (!error) {
        fs::permissions(to, status.permissions(), error);
    }
    return error;
}

// A missing file is created, empty; any other file is only read.
std::FILE* OpenForReading(const FileCalls& calls, const fs::path& path) {
    std::FILE* file = calls.open(path.string().c_str(), "rb");
    if (file == nullptr && errno == ENOENT) {
        file = calls.open(path.string().c_str(), "w+b");
    }
    return file;
}

// The new content, beside the old file so that a rename on the same disk can
// put it in the old one's place. It is removed again unless it got there.
class NewFile {
  public:
    NewFile(Platform& platform, const std::string& name, const FileCalls& calls,
            const fs::path& target)
        : platform_(platform),
          name_(name),
          target_(target),
          path_(target.string() + kNewFileSuffix),
          file_(platform, name, calls, calls.open(path_.string().c_str(), "w+b")) {}

    ~NewFile() {
        if (!placed_) {
            file_.Discard();
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    OpenFile& File() { return file_; }

    // Whole on the disk first, with the old file's permissions, then under its
    // name.
    void Place() {
        file_.FlushToDisk();
        file_.Close();
        std::error_code error = CopyPermissions(target_, path_);
        if (!error) {
            error = RenameOver(path_, target_);
        }
        if (error) {
            FileFault(platform_, name_, error);
        }
        placed_ = true;
    }

  private:
    Platform& platform_;
    const std::string& name_;
    fs::path target_;
    fs::path path_;
    OpenFile file_;
    bool placed_ = false;
};

}  // namespace

std::vector<ReadRecord> ReadRecords(Platform& platform, const std::string& name,
                                    const FileCalls& calls, const std::vector<int>& numbers) {
    OpenFile file(platform, name, calls, OpenForReading(calls, PlainFileBehind(platform, name)));
    std::vector<ReadRecord> records(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        records[i].present = file.Read(numbers[i], records[i].bytes);
    }
    file.Close();
    return records;
}

void WriteRecords(Platform& platform, const std::string& name, const FileCalls& calls,
                  const std::vector<std::pair<int, Record>>& records) {
    const fs::path target = PlainFileBehind(platform, name);
    // Opened for writing, though only read: a file made read-only keeps its
    // records, and the write reports the refusal.
    std::optional<OpenFile> old;
    if (std::FILE* file = calls.open(target.string().c_str(), "r+b")) {
        old.emplace(platform, name, calls, file);
    } else if (errno != ENOENT) {
        FileFault(platform, name, LastError());
    }
    NewFile next(platform, name, calls, target);
    if (old) {
        next.File().CopyFrom(*old);
        old->Close();
    }
    for (const auto& [n, record] : records) {
        next.File().Write(n, record);
    }
    next.Place();
}

}  // namespace dorvanta
