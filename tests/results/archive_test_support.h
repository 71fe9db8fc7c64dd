#pragma once

#include "engine/attempt_log.h"
#include "engine/message_sink.h"
#include "results/results_file.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

// Lets GoogleTest show the texts it compares.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vorlant::archive_test {

// Keeps what the store reports instead of showing it.
class RecordingSink : public MessageSink
{
public:
    void Message(const std::string &text) override { messages.push_back(text); }
    void Error(const std::string &text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// A log of `attempts` records of length `length`, so files can be told apart once loaded.
inline LogRecords LogOfLength(int length, int attempts = 3)
{
    LogRecords log{};
    for (int i = 0; i < attempts; ++i)
        log[i] = {length, i % 2 == 0, 1000 + i};
    return log;
}

// A fresh folder for each test, removed afterwards.
class ArchiveFolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    QString Path(const QString &relative) const { return root.filePath(relative); }

    static void WriteResultsFile(const QString &path, const LogRecords &log = LogOfLength(4))
    {
        const ResultsBlock block = EncodeResults(log);
        std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(block.data()),
                  static_cast<std::streamsize>(block.size()));
        ASSERT_TRUE(out.good()) << path.toStdString();
    }
    static void MakeFolder(const QString &path)
    {
        ASSERT_TRUE(QDir().mkpath(path)) << path.toStdString();
    }

    QTemporaryDir root;
};

} // namespace vorlant::archive_test
