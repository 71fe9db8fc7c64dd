#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <vector>

class QWidget;

namespace vorlant {

// One person at a glance. The values after tests come from the tests that have attempts,
// and are there only when measured.
struct OverviewRow
{
    QString person;
    int tests = 0;                    // the person's files that could be read
    bool measured = false;            // whether some test has attempts
    int bestLength = 0;               // the highest longest repeated sequence of all tests
    std::optional<double> latestSpan; // the span estimate of the latest test
    int latestLength = 0;             // the longest repeated sequence of the latest test
    double meanLength = 0;            // of the latest test
    double successPercent = 0;        // of the latest test
    QDateTime first;                  // the first test
    QDateTime last;                   // the latest test
    // The latest test's span estimate minus the first test's where both have one, else the
    // same for their longest repeated sequences.
    double change = 0;
    bool changeOfSpan = false; // which of the two change compares

    friend bool operator==(const OverviewRow &, const OverviewRow &) = default;
};

struct Overview
{
    std::vector<OverviewRow> rows;
    QStringList unreadable; // files that could not be read, or whose name carries no time
};

// The persons of listedFiles, a copy number " (N)" left out, each with all of their results
// files in folder. Empty files, which another computer is still saving, are skipped. Reading
// shows its progress as the progress window's does; a reading the user cancelled returns
// nothing.
std::optional<Overview> ReadOverview(QWidget *parent, const QString &folder,
                                     const QStringList &listedFiles,
                                     std::chrono::milliseconds dialogAfter);

} // namespace vorlant
