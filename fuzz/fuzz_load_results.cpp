// Any bytes decode into records and re-encode to the same fields; a whole load through a file
// succeeds exactly for files of at least one block and otherwise leaves the ViewedLog alone.
// The readers of the archive's figures take only files whose lengths a test can have, and the
// figures of those, and the change between two tests, stay within what a test can have.
#include "engine/message_sink.h"
#include "engine/sequence.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "store/test_summary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

using namespace vorlant;

class CountingSink : public MessageSink
{
public:
    void Message(const UserText &) override { ++reports; }
    void Error(const UserText &) override { ++reports; }
    int reports = 0;
};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckDecoding(const std::uint8_t *data, std::size_t size)
{
    ResultsBlock block{};
    std::copy_n(data, std::min(size, block.size()), block.begin());
    const LogRecords records = DecodeResults(block);
    const ResultsBlock again = EncodeResults(records);
    for (std::size_t at = 0; at < block.size(); at += kRecordBytes) {
        Require(std::equal(&block[at], &block[at + 4], &again[at]));
        Require(again[at + 4] == (block[at + 4] != 0 ? 1 : 0));
        Require(again[at + 5] == 0 && again[at + 6] == 0 && again[at + 7] == 0);
        Require(std::equal(&block[at + 8], &block[at + 16], &again[at + 8]));
    }
    Require(DecodeResults(again) == records);
}

// A folder of its own for the run, removed when the program ends.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        path = (std::filesystem::temp_directory_path() / "vorlant-fuzz-XXXXXX").string();
        Require(::mkdtemp(path.data()) != nullptr);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

const std::string &Folder()
{
    static const ScratchFolder folder;
    return folder.path;
}

// The file is made anew each time: truncating and rewriting one makes ext4 flush it at close.
void WriteInput(const std::string &path, std::string_view bytes)
{
    ::unlink(path.c_str());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(out.good());
}

void CheckLoad(std::string_view bytes)
{
    static CountingSink sink;
    static ResultsStore store(
        sink, [] { return LocalTime{}; }, Folder());
    WriteInput(Folder() + "/input.mem", bytes);
    const LogRecords before = store.ViewedLog();
    const int reportsBefore = sink.reports;
    const bool loaded = store.LoadResults(Folder(), "input.mem");
    Require(loaded == (bytes.size() >= kResultsFileBytes));
    Require(sink.reports == reportsBefore + (loaded ? 0 : 1));
    if (loaded) {
        const auto *first = reinterpret_cast<const unsigned char *>(bytes.data());
        Require(store.ViewedLog() ==
                DecodeResults(
                    std::span<const unsigned char, kResultsFileBytes>(first, kResultsFileBytes)));
    } else {
        Require(store.ViewedLog() == before);
    }
}

// The figures of a log, whatever its lengths, as the summaries compute them.
TestSummary CheckedSummary(const LogRecords &log)
{
    const TestSummary summary = SummariseLog(log);
    Require(summary.attempts >= 0 && summary.attempts <= kLogRecords);
    Require(summary.longestSuccess >= 0);
    Require(summary.successPercent >= 0 && summary.successPercent <= 100);
    return summary;
}

void CheckSummaries(const std::string &path, std::string_view bytes)
{
    std::error_code error;
    const std::optional<LogRecords> read = ReadResultsFile(path, error);
    if (bytes.size() < kResultsFileBytes) {
        Require(!read && error);
        return;
    }
    const auto *first = reinterpret_cast<const unsigned char *>(bytes.data());
    const LogRecords log =
        DecodeResults(std::span<const unsigned char, kResultsFileBytes>(first, kResultsFileBytes));
    CheckedSummary(log);
    Require(read.has_value() == HoldsPossibleLengths(log));
    if (!read)
        return;
    Require(*read == log);
    const TestSummary summary = CheckedSummary(*read);
    Require(summary.longestSuccess <= kSequenceSlots);
    if (summary.attempts > 0)
        Require(summary.meanLength >= 1 && summary.meanLength <= kSequenceSlots);
    // The change from one test to the next, as the overview takes it.
    static int previousLongest = 0;
    const int change = summary.longestSuccess - previousLongest;
    Require(change >= -kSequenceSlots && change <= kSequenceSlots);
    previousLongest = summary.longestSuccess;
}

// The first two bytes choose the file's size (up to 20000 bytes); the rest, repeated, fills it.
// So small inputs reach whole blocks, and sizes around 16016 are as near as any other.
std::string FileFromInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return std::string(reinterpret_cast<const char *>(data), size);
    const std::size_t fileSize = (data[0] | std::size_t(data[1]) << 8) % 20001;
    const std::string_view pattern(reinterpret_cast<const char *>(data + 2), size - 2);
    std::string file(fileSize, '\0');
    for (std::size_t i = 0; i < fileSize && !pattern.empty(); ++i)
        file[i] = pattern[i % pattern.size()];
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string file = FileFromInput(data, size);
    CheckDecoding(reinterpret_cast<const std::uint8_t *>(file.data()), file.size());
    CheckLoad(file);
    CheckSummaries(Folder() + "/input.mem", file);
    return 0;
}
