// A fresh, empty working directory for every test that reads or writes the data
// file (every test that loads the main window does), so that no test sees
// another's file and nothing is left in the source tree.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "records/data_file.h"

namespace dorvanta {

// A level's record in a new player's file, and that file's whole table.
inline const HighScore kNoHolder{DataFile::kNoHolderName, DataFile::kNoHolderScore};
inline const HighScoreTable kNewPlayersTable{{kNoHolder, kNoHolder, kNoHolder, kNoHolder}};

class InTempDir : public ::testing::Test {
  protected:
    // A folder of its own under the system's temporary folder, named with a
    // random number; a name that is taken is drawn again.
    void SetUp() override {
        std::random_device random;
        do {
            dir_ =
                std::filesystem::temp_directory_path() / ("dorvanta-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
        std::filesystem::current_path(dir_);
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    using Bytes = std::vector<unsigned char>;

    static Bytes ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static void WriteBytes(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    // The names in `folder` but the data file and its lock, as "a b".
    static std::string Others(const std::filesystem::path& folder = ".") {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        names.erase(DataFile::kFileName);
        names.erase(std::string(DataFile::kFileName) + ".lock");
        std::string others;
        for (const std::string& name : names) {
            others += (others.empty() ? "" : " ") + name;
        }
        return others;
    }

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path dir_;
};

}  // namespace dorvanta
