#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vorlant::testing {

// A fresh, empty current folder for the life of the object; the old one comes back after.
class ScopedCurrentDir
{
public:
    ScopedCurrentDir() { EXPECT_TRUE(m_dir.isValid() && QDir::setCurrent(m_dir.path())); }
    ~ScopedCurrentDir() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

// Writes a file, creating its folder; fails the test when it cannot.
inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << path.toStdString();
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vorlant::testing
