#include "store/results_store.h"

#include "engine/message_sink.h"
#include "store/failure_reason.h"
#include "store/file_io.h"
#include "store/interrupted_saves.h"
#include "store/private_folders.h"
#include "store/results_file.h"
#include "store/settings_file.h"

#include <cerrno>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {

namespace {

constexpr std::string_view kSettingsFileName = "Vorlant.ini";
constexpr std::string_view kSettingsSection = "Form5";
constexpr std::string_view kSettingsKey = "DE";
constexpr std::string_view kDefaultDataDirectory = "data";

enum class LoadOutcome
{
    Loaded,
    CannotRead,
    CannotClose,
};

// Reads the first block of a results file; block is written only when the outcome is Loaded
// or CannotClose, error only when it is not Loaded. Opened for reading only, and without
// waiting on a pipe.
LoadOutcome ReadResultsBlock(const std::string &path, ResultsBlock &block, std::error_code &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error.assign(errno, std::generic_category());
        return LoadOutcome::CannotRead;
    }
    struct stat info
    {};
    ResultsBlock buffer;
    std::size_t filled = 0;
    if (::fstat(fd, &info) != 0)
        error.assign(errno, std::generic_category());
    else if (S_ISDIR(info.st_mode))
        error = std::make_error_code(std::errc::is_a_directory);
    else if (!S_ISREG(info.st_mode))
        error = FileFault::NotARegularFile;
    while (!error && filled < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error.assign(errno, std::generic_category());
        else if (got == 0)
            error = FileFault::ShorterThanResults;
        else
            filled += static_cast<std::size_t>(got);
    }
    if (error) {
        ::close(fd);
        return LoadOutcome::CannotRead;
    }
    block = buffer;
    if (::close(fd) == 0)
        return LoadOutcome::Loaded;
    error.assign(errno, std::generic_category());
    return LoadOutcome::CannotClose;
}

} // namespace

UserText CannotSave(const std::string &path, std::error_code error)
{
    UserText message{VORLANT_TRANSLATE_NOOP("Messages", "Soubor %1 nelze uložit"), {path}};
    return message.AddLine(FailureReason(error));
}

ResultsStore::ResultsStore(MessageSink &messages, LocalClock clock, std::string settingsFolder,
                           std::string defaultDataDirectory)
    : messages_(messages), clock_(std::move(clock)), settingsFolder_(std::move(settingsFolder)),
      defaultDataDirectory_(defaultDataDirectory.empty()
                                ? JoinPath(settingsFolder_, kDefaultDataDirectory)
                                : std::move(defaultDataDirectory))
{}

std::string ResultsStore::SettingsPath() const
{
    return JoinPath(settingsFolder_, kSettingsFileName);
}

void ResultsStore::ReadSettings()
{
    const std::string folder =
        ReadIniString(SettingsPath(), kSettingsSection, kSettingsKey, defaultDataDirectory_);
    archiveFolder_ = folder;
    dataDirectory_ = folder;
}

bool ResultsStore::WriteSettings()
{
    const std::string path = SettingsPath();
    std::error_code error;
    if (WriteIniString(path, kSettingsSection, kSettingsKey, archiveFolder_, error))
        return true;
    UserText message{VORLANT_TRANSLATE_NOOP("Messages", "Unable to write to %1."), {path}};
    if (error)
        message.AddLine(FailureReason(error));
    messages_.Error(message);
    return false;
}

void ResultsStore::CreateDataDirectory() const
{
    if (DataDirectoryIsPrivate()) {
        MakePrivateFolder(dataDirectory_);
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directory(dataDirectory_, ignored);
}

bool ResultsStore::DataDirectoryIsPrivate() const
{
    const auto normal = [](const std::string &folder) {
        std::filesystem::path path = std::filesystem::path(folder).lexically_normal();
        return path.has_filename() ? path : path.parent_path();
    };
    return !privateDataDirectory_.empty() &&
           normal(dataDirectory_) == normal(privateDataDirectory_);
}

void ResultsStore::ClaimInterruptedSaves() const
{
    vorlant::ClaimInterruptedSaves(dataDirectory_);
}

std::string ResultsStore::BuildResultsFileName(const std::string &personName) const
{
    return ResultsFileName(personName, clock_());
}

bool ResultsStore::SaveResults(const LogRecords &records, const std::string &personName)
{
    const LocalTime time = clock_(); // one minute for every candidate name
    const CandidateName name = [&](int copy) { return ResultsFileName(personName, time, copy); };
    const ResultsBlock block = EncodeResults(records);
    const std::string_view bytes(reinterpret_cast<const char *>(block.data()), block.size());
    savedFileName_.clear();
    lastSave_ = {personName, time, {}};
    const FileAccess access =
        DataDirectoryIsPrivate() ? FileAccess::OwnerOnly : FileAccess::AsUmask;
    std::error_code error;
    if (const auto saved =
            WriteNewFile(dataDirectory_, name, bytes, error, ClaimMethod::HardLink, access)) {
        // A copy of the program starting on another computer may have taken the finished file
        // over to name it. It takes only a file untouched for a minute, which a save leaves so
        // long only when stalled (a computer asleep in the middle of it); the test is then
        // safe, and an empty path says that its name is not known yet. Keeping it once more
        // would make two.
        if (!saved->empty()) {
            savedFileName_ = std::filesystem::path(*saved).filename().string();
            lastSave_ = LabelOfResultsFile(savedFileName_);
        }
        return true;
    }

    // The test would otherwise live only in memory until the program closes.
    UserText message = CannotSave(JoinPath(dataDirectory_, name(1)), error);
    if (!fallbackFolder_.empty()) {
        MakePrivateFolder(fallbackFolder_); // a folder that cannot be made fails the save below
        if (const auto kept = WriteNewFile(fallbackFolder_, name, bytes, ClaimMethod::HardLink,
                                           FileAccess::OwnerOnly)) {
            if (!kept->empty()) {
                savedFileName_ = std::filesystem::path(*kept).filename().string();
                lastSave_ = LabelOfResultsFile(savedFileName_);
            }
            messages_.Message(
                message.AddLine({VORLANT_TRANSLATE_NOOP("Messages", "Výsledky byly uloženy do %1."),
                                 {kept->empty() ? fallbackFolder_ : *kept}}));
            return false;
        }
    }
    if (chooseElsewhere_)
        SaveElsewhere(message, name(1), bytes);
    else
        messages_.Message(message);
    return false;
}

bool ResultsStore::KeepInFallbackFolder(const LogRecords &records, const std::string &personName)
{
    if (fallbackFolder_.empty())
        return false;
    const LocalTime time = clock_();
    const CandidateName name = [&](int copy) { return ResultsFileName(personName, time, copy); };
    const ResultsBlock block = EncodeResults(records);
    const std::string_view bytes(reinterpret_cast<const char *>(block.data()), block.size());
    MakePrivateFolder(fallbackFolder_); // a folder that cannot be made fails the save below
    return WriteNewFile(fallbackFolder_, name, bytes, ClaimMethod::HardLink, FileAccess::OwnerOnly)
        .has_value();
}

void ResultsStore::SaveElsewhere(UserText message, const std::string &fileName,
                                 std::string_view bytes)
{
    for (;;) {
        const std::string path = chooseElsewhere_(message, fileName);
        if (path.empty())
            return;
        std::error_code error;
        if (ReplaceFileAtomically(path, bytes, error)) {
            savedFileName_ = std::filesystem::path(path).filename().string();
            lastSave_.fileName = savedFileName_;
            return;
        }
        message = CannotSave(path, error);
    }
}

bool ResultsStore::LoadResults(const std::string &folder, const std::string &fileName)
{
    const std::string path = JoinPath(folder, fileName);
    ResultsBlock block;
    std::error_code error;
    switch (ReadResultsBlock(path, block, error)) {
    case LoadOutcome::Loaded:
        viewedLog_ = DecodeResults(block);
        return true;
    case LoadOutcome::CannotClose:
        // The whole block was read, so the ViewedLog takes it all the same.
        viewedLog_ = DecodeResults(block);
        messages_.Message(
            UserText{VORLANT_TRANSLATE_NOOP("Messages", "Soubor %1 nelze zavřít"), {path}}.AddLine(
                FailureReason(error)));
        return false;
    case LoadOutcome::CannotRead:
        break;
    }
    messages_.Message(
        UserText{VORLANT_TRANSLATE_NOOP("Messages", "Soubor %1 nelze načíst"), {path}}.AddLine(
            FailureReason(error)));
    return false;
}

} // namespace vorlant
