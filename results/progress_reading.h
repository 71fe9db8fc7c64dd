#pragma once

#include "results/progress_chart.h"
#include "store/local_time.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <vector>

class QWidget;

namespace vorlant {

// The tests of one person, and the files of that person that could not be read (or whose
// name carries no real date and time), by name.
struct PersonTests
{
    std::vector<ProgressPoint> tests;
    QStringList unreadable;
};

// The local date and time of a test as its file name gives it.
QDateTime TestDateTime(const LocalTime &time);

// Reads every results file in folder whose person is person (a copy number " (N)" on either
// side left out). Tests without attempts carry no values and are left out. When reading runs
// longer than dialogAfter, a progress dialog over parent shows how far it is, the program's
// windows keep answering, and the dialog's cancel button ends the reading: nothing is
// returned then.
std::optional<PersonTests> ReadPersonTests(QWidget *parent, const QString &folder,
                                           const QString &person,
                                           std::chrono::milliseconds dialogAfter);

} // namespace vorlant
