#include "results/summary_line.h"

#include "store/test_summary.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace vorlant {
namespace {

const QString kAbsent = QStringLiteral("\u2014");

QString Tr(const char *text)
{
    return QCoreApplication::translate("SummaryLine", text);
}

} // namespace

QLocale MeasuresLocale()
{
    //: The locale whose decimal separator the measures of a test use.
    return QLocale(QCoreApplication::translate("SummaryLine", "cs_CZ"));
}

QString SpanEstimateText(const std::optional<double> &estimate)
{
    return estimate ? MeasuresLocale().toString(*estimate, 'f', 1) : kAbsent;
}

QString SummaryLineText(const TestSummary &summary, bool personalBest)
{
    const QLocale locale = MeasuresLocale();
    const QString percent = summary.attempts > 0
                                //: A success rate in whole percent.
                                ? Tr(QT_TRANSLATE_NOOP("SummaryLine", "%1 %"))
                                      .arg(locale.toString(summary.successPercent, 'f', 0))
                                : kAbsent;
    const QString longest =
        summary.successes > 0 ? QString::number(summary.longestSuccess) : kAbsent;
    const QString perItem = summary.secondsPerItem
                                //: Seconds, with two decimals.
                                ? Tr(QT_TRANSLATE_NOOP("SummaryLine", "%1 s"))
                                      .arg(locale.toString(*summary.secondsPerItem, 'f', 2))
                                : kAbsent;
    QStringList parts;
    parts << Tr(QT_TRANSLATE_NOOP("SummaryLine", "Správně %1 z %2 (%3)"))
                 .arg(QString::number(summary.successes), QString::number(summary.attempts),
                      percent)
          << Tr(QT_TRANSLATE_NOOP("SummaryLine", "Nejdelší zopakovaná řada %1")).arg(longest)
          << Tr(QT_TRANSLATE_NOOP("SummaryLine", "Odhad rozpětí %1"))
                 .arg(SpanEstimateText(summary.spanEstimate))
          << Tr(QT_TRANSLATE_NOOP("SummaryLine", "Čas na položku %1")).arg(perItem);
    const QString line = parts.join(QStringLiteral(" \u00b7 "));
    if (!personalBest)
        return line;
    return Tr(QT_TRANSLATE_NOOP("SummaryLine", "Nový osobní rekord!")) + u'\n' + line;
}

} // namespace vorlant
