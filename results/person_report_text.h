#pragma once

#include "store/report_figures.h"

#include <QString>

class QDate;
class QDateTime;

namespace vorlant {

// The words of a person's report, in the program's language: the plain-language paragraph
// written from the figures of the tests, and the counts and dates the page shows.
namespace report_text {

// "12. 3. 2026", as the language writes a date; with the time of day "12. 3. 2026 9:05".
QString Date(const QDate &date);
QString DateTime(const QDateTime &when);
// A number with one decimal as the language writes it: "4,5".
QString Decimal(double value);
// A span estimate with one decimal, a longest correct length as a whole number.
QString Measure(ReportMeasure measure, double value);
// "1 test", "2 testy", "5 testů".
QString Tests(int count);
// "1 den", "3 dny", "6 dní"; "1 týden", "3 týdny", "6 týdnů".
QString Period(PeriodUnit unit, int count);
// The paragraph: the tests and their period (first to latest date), what the measure was in
// the first and the latest test, and whether it grew, stayed or fell.
QString Paragraph(const ReportFigures &figures, const QDate &first, const QDate &latest);
// The sentence that closes every report.
QString ClosingSentence();

} // namespace report_text
} // namespace vorlant
