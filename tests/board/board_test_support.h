#pragma once

#include "engine/message_sink.h"

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace vorlant::testing {

// Keeps what the code under test reports instead of showing it.
class RecordingSink : public MessageSink
{
public:
    void Message(const std::string &text) override { messages.push_back(text); }
    void Error(const std::string &text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// A fresh, empty current folder for the life of the object; the old one comes back after.
class ScopedCurrentDir
{
public:
    ScopedCurrentDir();
    ~ScopedCurrentDir();
    ScopedCurrentDir(const ScopedCurrentDir &) = delete;
    ScopedCurrentDir &operator=(const ScopedCurrentDir &) = delete;

    QString path() const { return m_dir.path(); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// Writes a file, creating its folder; fails the test when it cannot.
void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);

} // namespace vorlant::testing
