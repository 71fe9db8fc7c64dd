#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>

#include <vector>

class QPrinter;
class QRectF;

namespace vorlant::test {

// A printer with PDF output: its resolution, paper and orientation.
struct PrinterCase
{
    int dpi;
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation orientation;

    // Sets printer up so, for PDF output; returns the printable area in points.
    QRectF SetUp(QPrinter &printer) const;
    // "1200-A4-portrait-"
    QString Name() const;
};

// 300, 600 and 1200 dots per inch, A4 and Letter, portrait and landscape.
std::vector<PrinterCase> PrinterCases();

// The first page of a PDF file as pdftoppm draws it at 72 dots per inch, so that a pixel is a
// point: the page's size and the bounds of what is drawn on it (every pixel that is not white).
struct PrintedPage
{
    QString error; // empty when the page was rendered
    QSize size;
    QRect drawn; // empty when nothing is drawn
};

PrintedPage RenderPrintedPage(const QString &pdf);

// Whether what is drawn on page is a chart laid out for area (in dots at 600 dots per inch)
// and placed in printable (in points): from its top left, as large as printable lets it be
// but no larger than at 600 dots per inch, in the proportions of area.
::testing::AssertionResult PrintedInPlaceOf(const PrintedPage &page, const QRectF &printable,
                                            const QSize &area);

} // namespace vorlant::test
