#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace vorlant::test {

// Sets an environment variable for the object's lifetime; the old value, or none, comes back.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QString &value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *name_;
    bool wasSet_;
    QByteArray old_;
};

} // namespace vorlant::test
