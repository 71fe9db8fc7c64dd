#include "results/chart_window.h"
#include "tests/support/recording_sink.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace vorlant {
namespace {

LogRecords LogOf(int attempts)
{
    LogRecords log{};
    for (int i = 0; i < attempts; ++i)
        log[i] = {2 + i % 9, i % 3 != 0, 1000 + i};
    return log;
}

// Filling the chart and drawing the window once, as the user sees it after "Konec".
void BM_ShowResultsChart(benchmark::State &state)
{
    testing::RecordingSink sink;
    ChartWindow window(sink);
    const LogRecords log = LogOf(static_cast<int>(state.range(0)));
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.ShowResultsChart(log);
        QCoreApplication::processEvents(); // layout work that Qt defers to the event loop
        QPainter painter(&image);
        window.render(&painter);
    }
}
BENCHMARK(BM_ShowResultsChart)->Arg(5)->Arg(1001)->Unit(benchmark::kMillisecond);

// Printing the full chart into a PDF file through the menu item "na šířku".
void BM_PrintChartPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    testing::RecordingSink sink;
    ChartWindow window(sink);
    window.ShowResultsChart(LogOf(1001));
    window.SetPrinterSetup([&dir](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        return true;
    });
    for (auto _ : state)
        window.Vbrtiskrny1Click();
}
BENCHMARK(BM_PrintChartPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlant
