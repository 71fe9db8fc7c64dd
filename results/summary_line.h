#pragma once

#include <QString>

#include <optional>

class QLocale;

namespace vorlant {

struct TestSummary;

// The line that says what a test measured: "Správně 6 z 8 (75 %) · Nejdelší zopakovaná řada 5
// · Odhad rozpětí 4,5 · Čas na položku 0,82 s", opened by "Nový osobní rekord!" in a line of
// its own when the test is one. A measure the test does not have reads "—", never 0. Numbers as the
// program's language writes them.
QString SummaryLineText(const TestSummary &summary, bool personalBest = false);

// A span estimate with one decimal, "—" when there is none.
QString SpanEstimateText(const std::optional<double> &estimate);

// The locale whose decimal separator the measures are written with: the program's language's.
QLocale MeasuresLocale();

} // namespace vorlant
