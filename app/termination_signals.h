#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vorlant {

// Turns the signals by which a session or a terminal asks a program to end (SIGTERM, SIGINT,
// SIGHUP) into a call of onSignal on the user-interface thread, so that the program can close
// as from its own window: settings written, pictures removed. One instance per program.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace vorlant
