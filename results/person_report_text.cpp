#include "results/person_report_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace vorlant::report_text {
namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("PersonReport", text);
}

// What the measure was in the first and the latest test, and where it went.
QString TrendSentence(const ReportFigures &figures)
{
    const QString first = Measure(figures.measure, figures.first);
    const QString latest = Measure(figures.measure, figures.latest);
    const bool span = figures.measure == ReportMeasure::SpanEstimate;
    if (!figures.trend)
        return (span ? Tr(QT_TRANSLATE_NOOP("PersonReport", "Odhad rozpětí byl %1."))
                     : Tr(QT_TRANSLATE_NOOP("PersonReport",
                                            "Nejdelší zopakovaná řada měla délku %1.")))
                   .arg(first) +
               u' ' + Tr(QT_TRANSLATE_NOOP("PersonReport", "Vývoj ukáže až další test."));
    switch (*figures.trend) {
    case ReportTrend::Grew:
        return (span ? Tr(QT_TRANSLATE_NOOP(
                           "PersonReport",
                           "Odhad rozpětí vzrostl: v prvním testu byl %1, v posledním %2."))
                     : Tr(QT_TRANSLATE_NOOP("PersonReport",
                                            "Nejdelší zopakovaná řada se prodloužila: v prvním "
                                            "testu měla délku %1, v posledním %2.")))
            .arg(first, latest);
    case ReportTrend::Fell:
        return (span ? Tr(QT_TRANSLATE_NOOP(
                           "PersonReport",
                           "Odhad rozpětí klesl: v prvním testu byl %1, v posledním %2."))
                     : Tr(QT_TRANSLATE_NOOP("PersonReport",
                                            "Nejdelší zopakovaná řada se zkrátila: v prvním "
                                            "testu měla délku %1, v posledním %2.")))
            .arg(first, latest);
    case ReportTrend::Stayed:
        break;
    }
    if (span)
        return Tr(QT_TRANSLATE_NOOP("PersonReport", "Odhad rozpětí zůstal zhruba stejný: v "
                                                    "prvním testu byl %1, v posledním %2."))
            .arg(first, latest);
    // Whole cells: staying means the same length.
    return Tr(QT_TRANSLATE_NOOP("PersonReport", "Nejdelší zopakovaná řada zůstala stejná: v "
                                                "prvním i v posledním testu měla délku %1."))
        .arg(first);
}

} // namespace

QString Date(const QDate &date)
{
    //: How the report writes a date.
    return date.toString(Tr(QT_TRANSLATE_NOOP("PersonReport", "d. M. yyyy")));
}

QString DateTime(const QDateTime &when)
{
    //: How the report's table writes the date and time of a test.
    return when.toString(Tr(QT_TRANSLATE_NOOP("PersonReport", "d. M. yyyy H:mm")));
}

QString Decimal(double value)
{
    //: The locale whose decimal separator the report's numbers use.
    return QLocale(Tr(QT_TRANSLATE_NOOP("PersonReport", "cs_CZ"))).toString(value, 'f', 1);
}

QString Measure(ReportMeasure measure, double value)
{
    if (measure == ReportMeasure::LongestSuccess)
        return QString::number(value, 'f', 0);
    return Decimal(value);
}

QString Tests(int count)
{
    return QCoreApplication::translate("PersonReport", "%n testů", nullptr, count);
}

QString Period(PeriodUnit unit, int count)
{
    if (unit == PeriodUnit::Weeks)
        return QCoreApplication::translate("PersonReport", "%n týdnů", nullptr, count);
    return QCoreApplication::translate("PersonReport", "%n dní", nullptr, count);
}

QString Paragraph(const ReportFigures &figures, const QDate &first, const QDate &latest)
{
    if (figures.tests == 0)
        return {};
    QStringList sentences;
    if (figures.days == 0)
        sentences << QCoreApplication::translate("PersonReport", "Dne %1 proběhlo %n testů.",
                                                 nullptr, figures.tests)
                         .arg(Date(first));
    else
        sentences << QCoreApplication::translate("PersonReport",
                                                 "Od %1 do %2 (%3) proběhlo %n testů.", nullptr,
                                                 figures.tests)
                         .arg(Date(first), Date(latest),
                              Period(figures.periodUnit, figures.periodCount));
    if (figures.measure == ReportMeasure::SpanEstimate)
        sentences << Tr(QT_TRANSLATE_NOOP("PersonReport",
                                          "Odhad rozpětí udává délku řady, kterou se daří "
                                          "zopakovat zhruba v polovině pokusů."));
    else if (figures.tests == 1)
        sentences << Tr(QT_TRANSLATE_NOOP("PersonReport",
                                          "Test byl na odhad rozpětí příliš krátký, proto "
                                          "uvádíme nejdelší správně zopakovanou řadu."));
    else
        sentences << Tr(QT_TRANSLATE_NOOP("PersonReport",
                                          "První nebo poslední test byl na odhad rozpětí příliš "
                                          "krátký, proto porovnáváme nejdelší správně "
                                          "zopakovanou řadu."));
    sentences << TrendSentence(figures);
    return sentences.join(u' ');
}

QString ClosingSentence()
{
    return Tr(QT_TRANSLATE_NOOP("PersonReport",
                                "Program neobsahuje normy pro věkové skupiny; výsledky slouží ke "
                                "sledování vývoje jednoho člověka a nenahrazují odborné "
                                "vyšetření."));
}

} // namespace vorlant::report_text
