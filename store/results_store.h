#pragma once

#include "engine/attempt_log.h"
#include "engine/user_text.h"
#include "store/local_time.h"
#include "store/results_name.h"

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlant {

class MessageSink;

// "Soubor <path> nelze uložit", with why on a line of its own.
UserText CannotSave(const std::string &path, std::error_code error);

// The results on disk: the data directory that receives results files, the archive folder
// that the settings file keeps, saving the current log and loading a saved one into the
// ViewedLog. Failures are reported to the sink as they happen; callers always go on.
class ResultsStore
{
public:
    // settingsFolder holds the settings file: the executable's folder, with or without its
    // closing "/", or the user's own for an installed program. defaultDataDirectory receives
    // results when the settings name no folder; empty: the folder "data" in settingsFolder.
    ResultsStore(MessageSink &messages, LocalClock clock, std::string settingsFolder,
                 std::string defaultDataDirectory = {});

    // Sets the archive folder and the data directory from the settings file, by default the
    // default data directory. Reports nothing.
    void ReadSettings();
    // Stores the archive folder in the settings file; on failure reports
    // "Unable to write to <path>." as an error, with the reason below it when the file could
    // not be written, and returns false.
    bool WriteSettings();
    // Makes the data directory's folder (one level); failure is silent, a later save reports.
    void CreateDataDirectory() const;
    // At start: gives the tests that a save interrupted before it named them (a killed or
    // crashed program) their names in the data directory, and removes what such saves left
    // unfinished over a day ago. Reports nothing.
    void ClaimInterruptedSaves() const;

    // The results file name for personName at the clock's present minute (no folder).
    std::string BuildResultsFileName(const std::string &personName) const;
    // Writes records as a new results file into the data directory, never replacing a file:
    // when the minute's name is taken, "<name> (2) ...", "(3)" and so on. On failure saves the
    // same way into the fallback folder, reports "Soubor <path> nelze uložit" with the reason
    // below it, and a last line "Výsledky byly uloženy do <saved path>." when that worked, and
    // returns false. When
    // the fallback fails too, the elsewhere chooser (if set) gets that message instead of the
    // sink, and the results file goes where it chooses.
    bool SaveResults(const LogRecords &records, const std::string &personName);
    // Writes records as a new results file into the fallback folder, as SaveResults names
    // it, and reports nothing: for a program that is ending and can no longer ask.
    bool KeepInFallbackFolder(const LogRecords &records, const std::string &personName);

    // Shows message, which says that a test could not be saved, and offers to save it
    // elsewhere; returns the path the user chose for the results file (fileName suggested),
    // or an empty text when the user lets the test go.
    using ElsewhereChooser =
        std::function<std::string(const UserText &message, const std::string &fileName)>;
    void SetElsewhereChooser(ElsewhereChooser choose) { chooseElsewhere_ = std::move(choose); }
    // The name (no folder) of the file the last save wrote, in the data directory, the
    // fallback folder or where the chooser said; empty when it wrote none, or when a copy of
    // the program starting meanwhile took the finished file over to name it.
    const std::string &SavedFileName() const { return savedFileName_; }
    // The test of the last save: as the name of its file in the data directory or the
    // fallback folder tells it; otherwise the person and the minute of the save, with the
    // name of the file saved elsewhere, if any.
    const TestLabel &LastSave() const { return lastSave_; }
    // The present minute, as a results file saved now would carry it.
    LocalTime Now() const { return clock_(); }
    // The user's own folder that keeps a test whose save into the data directory failed;
    // created when needed, private as below. Empty: there is none.
    void SetFallbackFolder(std::string folder) { fallbackFolder_ = std::move(folder); }
    // The program's own data directory among the user's folders (empty: none). While the data
    // directory is this folder, it is made for the user alone (MakePrivateFolder) and results
    // files saved there only the user may read; a folder the user chose keeps its permissions
    // and its files follow the umask, so that a class can share it.
    void SetPrivateDataDirectory(std::string folder) { privateDataDirectory_ = std::move(folder); }
    // Reads folder/fileName into the ViewedLog. On failure reports "Soubor <path> nelze
    // načíst" with the reason below it and leaves the ViewedLog as it was. A file longer than a
    // results file is read as far as one. Returns whether nothing had to be reported.
    bool LoadResults(const std::string &folder, const std::string &fileName);

    const std::string &DataDirectory() const { return dataDirectory_; }
    void SetDataDirectory(std::string folder) { dataDirectory_ = std::move(folder); }
    const std::string &ArchiveFolder() const { return archiveFolder_; }
    void SetArchiveFolder(std::string folder) { archiveFolder_ = std::move(folder); }
    // The file loaded last; all zero before the first load.
    const LogRecords &ViewedLog() const { return viewedLog_; }
    // The settings file "Vorlant.ini" in the settings folder.
    std::string SettingsPath() const;
    // Where the store reports; the windows that work with it report there too.
    MessageSink &Messages() const { return messages_; }

private:
    bool DataDirectoryIsPrivate() const;
    // Offers the chooser's places until one takes the file or the user lets the test go.
    void SaveElsewhere(UserText message, const std::string &fileName, std::string_view bytes);

    MessageSink &messages_;
    LocalClock clock_;
    std::string settingsFolder_;
    std::string defaultDataDirectory_;
    std::string dataDirectory_ = "data";
    std::string archiveFolder_ = "data";
    std::string fallbackFolder_;
    std::string privateDataDirectory_;
    ElsewhereChooser chooseElsewhere_;
    std::string savedFileName_;
    TestLabel lastSave_;
    LogRecords viewedLog_{};
};

} // namespace vorlant
