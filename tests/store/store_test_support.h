#pragma once

#include "engine/attempt_log.h"
#include "store/results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include <sys/resource.h>

namespace vorlant::test {

// A log of the given attempts; the rest of the records are zero.
inline LogRecords MakeLog(std::initializer_list<AttemptRecord> attempts)
{
    LogRecords log{};
    std::copy(attempts.begin(), attempts.end(), log.begin());
    return log;
}

// The bytes of a results file holding the records.
inline std::string Block(const LogRecords &records)
{
    const ResultsBlock block = EncodeResults(records);
    return {reinterpret_cast<const char *>(block.data()), block.size()};
}

// A fresh, empty folder `root` for each test, removed afterwards.
class TemporaryFolderTest : public ::testing::Test
{
protected:
    ~TemporaryFolderTest() override { std::filesystem::remove_all(root); }

    static std::string ReadBytes(const std::filesystem::path &path)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }
    static void WriteBytes(const std::filesystem::path &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The names in a folder, hidden ones included: a leftover temporary file shows here.
    static std::set<std::string> Entries(const std::filesystem::path &folder)
    {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::filesystem::path root = [] {
        std::string pattern = std::filesystem::temp_directory_path() / "vorlant-store-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        return std::filesystem::path(pattern);
    }();
};

// What write() returns while writes past `bytes` fail, for root as for anyone.
template <class Write> bool WithFileSizeLimit(rlim_t bytes, Write write)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{bytes, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = write();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    return written;
}

} // namespace vorlant::test
