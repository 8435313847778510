#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "records/file_lock.h"

namespace dorvanta {

namespace fs = std::filesystem;

namespace {

constexpr long kRecordLength = kRecordBytes;
constexpr int kMostLinksFollowed = 40;
constexpr const char* kNotAPlainFile = "Not a regular file";
// A save keeps the old file's first mebibyte: all of the records, and of a
// larger foreign file what follows them up to there. Copying such a file whole
// at every save would take minutes and double its room on the disk.
constexpr long kMostBytesKept = 1L << 20;
// The fixed name older versions saved through. Whatever lies there is not this
// save's: it is never opened, and removed when it is a plain file.
constexpr const char* kOlderNewFileSuffix = ".new";
// A save's own new file: the data file's name, a random tag, then this.
constexpr const char* kNewFileSuffix = ".tmp";
constexpr std::size_t kTagLength = 6;
constexpr int kMostTagsTried = 100;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The report of a failure, under the name of what failed, and the end.
[[noreturn]] void FileFault(Platform& platform, const std::string& shown,
                            const std::string& description) {
    ReportFaultAndEnd(platform, shown + ": " + description);
}

[[noreturn]] void FileFault(Platform& platform, const std::string& shown, std::error_code error) {
    FileFault(platform, shown, error.message());
}

// A refusal of the system's permissions, as opposed to a failure.
bool IsRefusal(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::read_only_file_system ||
           error == std::errc::operation_not_permitted;
}

// The folder a new file beside `target` goes into, as a message names it.
std::string FolderText(const fs::path& target) {
    std::error_code error;
    const fs::path absolute = fs::absolute(target, error);
    return PathText((error ? target : absolute).parent_path());
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// What the data file's name leads to: the name itself, or the end of its chain
// of symbolic links, so that a rewrite replaces the data and keeps the link.
// Only a plain file, or none yet, will do: reading a FIFO would wait for ever,
// and a rewrite would put a plain file in place of a device.
fs::path PlainFileBehind(Platform& platform, const fs::path& name) {
    const std::string shown = PathText(name);
    fs::path path = name;
    for (int links = 0; links <= kMostLinksFollowed; ++links) {
        std::error_code error;
        const fs::file_type type = fs::symlink_status(path, error).type();
        if (type == fs::file_type::regular || type == fs::file_type::not_found) {
            return path;
        }
        if (error) {
            FileFault(platform, shown, error);
        }
        if (type == fs::file_type::directory) {
            FileFault(platform, shown, std::make_error_code(std::errc::is_a_directory));
        }
        if (type != fs::file_type::symlink) {
            FileFault(platform, shown, kNotAPlainFile);
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            FileFault(platform, shown, error);
        }
        path = path.parent_path() / target;  // an absolute target replaces the whole path
    }
    FileFault(platform, shown, std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

FileLock Locked(Platform& platform, const fs::path& target, FileLock::Mode mode,
                const FileCalls& calls) {
    FileLock lock;
    const std::string failure = lock.Take(target, mode, calls.lockPatienceSeconds);
    if (!failure.empty()) {
        ReportFaultAndEnd(platform, failure);
    }
    return lock;
}

// An open file of records; it closes when the operation ends. Its failures are
// reported under `shown`.
class OpenFile {
  public:
    // Takes what the open call gave, a failure included.
    OpenFile(Platform& platform, std::string shown, const FileCalls& calls, std::FILE* file)
        : platform_(platform), shown_(std::move(shown)), calls_(calls), file_(file) {
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

    std::vector<ReadRecord> Read(const std::vector<int>& numbers) {
        std::vector<ReadRecord> records(numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            records[i].present = Read(numbers[i], records[i].bytes);
        }
        return records;
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

    void Write(const RecordWrites& records) {
        for (const auto& [n, record] : records) {
            Write(n, record);
        }
    }

    // The first `most` bytes of `source`, from its start, at the current position.
    void CopyFrom(OpenFile& source, long most) {
        source.Seek(0);
        Record chunk;
        for (long left = most; left > 0;) {
            const std::size_t count =
                std::fread(chunk.data(), 1, static_cast<std::size_t>(std::min(left, kRecordLength)),
                           source.file_);
            if (count == 0) {
                break;
            }
            Put(chunk.data(), count);
            left -= static_cast<long>(count);
        }
        if (std::ferror(source.file_)) {
            source.Fault();
        }
    }

    void TakePermissionsOf(const fs::path& other) {
        if (const std::error_code error = CopyPermissions(other, file_)) {
            FileFault(platform_, shown_, error);
        }
    }

    void FlushToDisk() {
        if (std::fflush(file_) != 0) {
            Fault();
        }
        if (const std::error_code error = SyncToDisk(file_)) {
            FileFault(platform_, shown_, error);
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

    [[noreturn]] void Fault() { FileFault(platform_, shown_, LastError()); }

    Platform& platform_;
    std::string shown_;
    const FileCalls& calls_;
    std::FILE* file_;
};

// A missing file is created, empty, without cutting one that appeared
// meanwhile; any other file is only read.
std::FILE* OpenForReading(const FileCalls& calls, const fs::path& path) {
    std::FILE* file = calls.open(path, "rb");
    if (file == nullptr && errno == ENOENT) {
        file = calls.open(path, "a+b");
    }
    return file;
}

bool IsNewFileName(const fs::path& name, const fs::path& target) {
    const std::string text = PathText(name);
    const std::string stem = PathText(target.filename()) + ".";
    return text.size() == stem.size() + kTagLength + std::string(kNewFileSuffix).size() &&
           text.starts_with(stem) && text.ends_with(kNewFileSuffix);
}

// Only the holder of the exclusive lock saves, so under it every new file of a
// save is one that a killed save left; an older version's `.new` is left over
// too. Plain files only: a link or anything else under such a name is neither
// followed nor touched. Whatever cannot be removed stays, unused.
void RemoveLeftovers(const fs::path& target) {
    std::error_code ignored;
    fs::path older = target;
    older += kOlderNewFileSuffix;
    if (fs::symlink_status(older, ignored).type() == fs::file_type::regular) {
        fs::remove(older, ignored);
    }
    std::error_code error;
    for (fs::directory_iterator entry(FolderOf(target), error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsNewFileName(entry->path().filename(), target) &&
            entry->symlink_status(ignored).type() == fs::file_type::regular) {
            fs::remove(entry->path(), ignored);
        }
    }
}

std::string RandomTag() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string tag(kTagLength, ' ');
    for (char& letter : tag) {
        letter = kLetters[pick(random)];
    }
    return tag;
}

// A save's new content in a file of its own beside the old one, so that a
// rename on the same disk can put it in the old one's place. It is removed
// again unless it got there. Its failures name the folder: the data file has
// not been touched.
class NewFile {
  public:
    // nullopt, with the system's reason, when the folder takes no new file.
    static std::optional<NewFile> Make(Platform& platform, const FileCalls& calls,
                                       const fs::path& target, std::error_code& error) {
        for (int tries = 0; tries < kMostTagsTried; ++tries) {
            fs::path path = target;
            path += "." + RandomTag() + kNewFileSuffix;
            if (std::FILE* file = calls.create(path, error)) {
                return std::optional<NewFile>(std::in_place, platform, calls, target, path, file);
            }
            if (error != std::errc::file_exists) {
                break;
            }
        }
        return std::nullopt;
    }

    NewFile(Platform& platform, const FileCalls& calls, const fs::path& target, fs::path path,
            std::FILE* file)
        : platform_(platform),
          target_(target),
          path_(std::move(path)),
          file_(platform, FolderText(target), calls, file) {}

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

    // Whole on the disk first, then under the old file's name.
    void Place() {
        file_.FlushToDisk();
        file_.Close();
        if (const std::error_code error = RenameOver(path_, target_)) {
            FileFault(platform_, FolderText(target_), error);
        }
        placed_ = true;
    }

  private:
    Platform& platform_;
    fs::path target_;
    fs::path path_;
    OpenFile file_;
    bool placed_ = false;
};

// Not all or nothing, unlike every other save: a folder that refuses new files
// (the usual set-up of a high-score file shared by the players of a machine)
// leaves no other way to save at all. The lock keeps the other games out
// meanwhile, and the records are on the disk before the lock goes.
void WriteInPlace(OpenFile& file, const RecordWrites& writes) {
    file.Write(writes);
    file.FlushToDisk();
    file.Close();
}

void WriteNewFile(Platform& platform, const FileCalls& calls, const fs::path& target,
                  std::optional<OpenFile>& old, const RecordWrites& writes) {
    std::error_code refused;
    std::optional<NewFile> next = NewFile::Make(platform, calls, target, refused);
    if (!next && old && IsRefusal(refused)) {
        WriteInPlace(*old, writes);
        return;
    }
    if (!next) {
        FileFault(platform, FolderText(target), refused);
    }
    if (old) {
        next->File().TakePermissionsOf(target);
        next->File().CopyFrom(*old, kMostBytesKept);
        old->Close();  // Windows renames nothing over an open file
    }
    next->File().Write(writes);
    next->Place();
}

}  // namespace

std::vector<ReadRecord> ReadRecords(Platform& platform, const fs::path& name,
                                    const FileCalls& calls, const std::vector<int>& numbers) {
    const fs::path target = PlainFileBehind(platform, name);
    const FileLock lock = Locked(platform, target, FileLock::Mode::Shared, calls);
    OpenFile file(platform, PathText(name), calls, OpenForReading(calls, target));
    std::vector<ReadRecord> records = file.Read(numbers);
    file.Close();
    return records;
}

void UpdateRecords(Platform& platform, const fs::path& name, const FileCalls& calls,
                   const std::vector<int>& numbers, const DecideWrites& decide,
                   ReadOnlyFile readOnly) {
    const fs::path target = PlainFileBehind(platform, name);
    const FileLock lock = Locked(platform, target, FileLock::Mode::Exclusive, calls);
    // Opened for writing, though only read here: a file made read-only keeps
    // its records, and the save reports the refusal.
    std::optional<OpenFile> old;
    if (std::FILE* file = calls.open(target, "r+b")) {
        old.emplace(platform, PathText(name), calls, file);
    } else if (errno != ENOENT) {
        if (readOnly == ReadOnlyFile::Leave && IsRefusal(LastError())) {
            return;
        }
        FileFault(platform, PathText(name), LastError());
    }
    const RecordWrites writes =
        decide(old ? old->Read(numbers) : std::vector<ReadRecord>(numbers.size()));
    if (writes.empty()) {
        return;
    }
    RemoveLeftovers(target);
    if (old && lock.CarriedByDataFile()) {
        WriteInPlace(*old, writes);
    } else {
        WriteNewFile(platform, calls, target, old, writes);
    }
}

void WriteRecords(Platform& platform, const fs::path& name, const FileCalls& calls,
                  const RecordWrites& records) {
    UpdateRecords(platform, name, calls, {},
                  [&records](const std::vector<ReadRecord>&) { return records; });
}

}  // namespace dorvanta
