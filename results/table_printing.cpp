#include "results/table_printing.h"

#include "results/chart_printing.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace vorlant {
namespace {

constexpr qreal kFontPoints = 9;
// Space inside a cell either side of its text, in widths of "n".
constexpr qreal kCellPaddingCharacters = 0.6;
// A smaller font is measured a little short of the page, as glyphs do not scale exactly.
constexpr qreal kShrinkMargin = 0.95;

QString Cell(const QAbstractItemModel &table, int row, int column)
{
    return table.data(table.index(row, column)).toString();
}

Qt::Alignment AlignmentOf(const QAbstractItemModel &table, int column)
{
    if (table.rowCount() == 0)
        return Qt::AlignLeft;
    const QVariant alignment = table.data(table.index(0, column), Qt::TextAlignmentRole);
    return alignment.isValid() ? Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask
                               : Qt::AlignLeft;
}

QString Tr(const char *text)
{
    return QCoreApplication::translate("TablePrinting", text);
}

// Lays the rows out on pages as wide as area, measured for device, and draws them.
class TablePages
{
public:
    TablePages(const QPaintDevice &device, const QRectF &area, const QString &heading,
               const QAbstractItemModel &table)
        : device_(device), area_(area), heading_(heading), table_(table)
    {
        plain_.setPointSizeF(kFontPoints);
        bold_ = plain_;
        bold_.setBold(true);
        FitColumnsToPage();
    }

    // Whether a page holds a row below its heading and column headers.
    bool RowFitsOnAPage() const { return RowsTop() + rowHeight_ <= area_.bottom(); }

    // Draws every row, starting a new page whenever one is full; needs RowFitsOnAPage().
    void Draw(QPrinter &printer, QPainter &painter)
    {
        const int rows = table_.rowCount();
        int row = 0;
        int page = 1;
        do {
            if (page > 1 && !printer.newPage())
                throw std::runtime_error(
                    Tr(QT_TRANSLATE_NOOP("TablePrinting", "další stranu nelze začít"))
                        .toStdString());
            DrawPageTop(painter, page);
            for (qreal y = RowsTop(); row < rows && y + rowHeight_ <= area_.bottom();
                 ++row, y += rowHeight_)
                DrawRow(
                    painter, y, [&](int column) { return Cell(table_, row, column); }, false);
            ++page;
        } while (row < rows);
    }

private:
    void MeasureColumns()
    {
        const int columns = table_.columnCount();
        const QFontMetricsF plain(plain_, &device_);
        const QFontMetricsF bold(bold_, &device_);
        padding_ = plain.horizontalAdvance(u'n') * kCellPaddingCharacters;
        rowHeight_ = plain.height() * 1.5;
        headerHeight_ = rowHeight_;
        widths_.assign(static_cast<std::size_t>(columns), 0);
        for (int column = 0; column < columns; ++column) {
            qreal &width = widths_[static_cast<std::size_t>(column)];
            // A header may come in several lines.
            const QStringList lines = Header(column).split(u'\n');
            for (const QString &line : lines)
                width = std::max(width, bold.horizontalAdvance(line));
            headerHeight_ =
                std::max(headerHeight_, rowHeight_ + (lines.size() - 1) * bold.height());
            for (int row = 0; row < table_.rowCount(); ++row)
                width = std::max(width, plain.horizontalAdvance(Cell(table_, row, column)));
            width += 2 * padding_;
        }
    }

    // A table wider than the page is printed in a smaller font, so that every text still fits.
    void FitColumnsToPage()
    {
        MeasureColumns();
        const qreal total = std::accumulate(widths_.begin(), widths_.end(), qreal(0));
        if (total <= area_.width())
            return;
        const qreal points = plain_.pointSizeF() * area_.width() / total * kShrinkMargin;
        plain_.setPointSizeF(points);
        bold_.setPointSizeF(points);
        MeasureColumns();
    }

    // Where the column headers begin, below the heading, and the rows below them.
    qreal HeadersTop() const { return area_.top() + 1.5 * rowHeight_; }
    qreal RowsTop() const { return HeadersTop() + headerHeight_; }

    // The heading, the page number and the column headers.
    void DrawPageTop(QPainter &painter, int page)
    {
        painter.setFont(bold_);
        const QRectF line(area_.left(), area_.top(), area_.width(), rowHeight_);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, heading_);
        painter.setFont(plain_);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                         Tr(QT_TRANSLATE_NOOP("TablePrinting", "Strana %1")).arg(page));
        DrawRow(
            painter, HeadersTop(), [&](int column) { return Header(column); }, true);
    }

    QString Header(int column) const
    {
        return table_.headerData(column, Qt::Horizontal).toString();
    }

    template <typename TextOf>
    void DrawRow(QPainter &painter, qreal y, TextOf textOf, bool header) const
    {
        painter.setFont(header ? bold_ : plain_);
        qreal x = area_.left();
        for (int column = 0; column < static_cast<int>(widths_.size()); ++column) {
            const qreal width = widths_[static_cast<std::size_t>(column)];
            const QRectF cell(x, y, width, header ? headerHeight_ : rowHeight_);
            painter.drawRect(cell);
            const Qt::Alignment alignment = header ? Qt::AlignLeft : AlignmentOf(table_, column);
            painter.drawText(cell.adjusted(padding_, 0, -padding_, 0), alignment | Qt::AlignVCenter,
                             textOf(column));
            x += width;
        }
    }

    const QPaintDevice &device_;
    QRectF area_;
    QString heading_;
    const QAbstractItemModel &table_;
    QFont plain_;
    QFont bold_;
    std::vector<qreal> widths_;
    qreal padding_ = 0;
    qreal rowHeight_ = 0;
    qreal headerHeight_ = 0; // the header row's, as many lines as its longest header
};

} // namespace

QString PrintTable(QPrinter &printer, const QString &heading, const QAbstractItemModel &table)
{
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(QPoint(0, 0), page.size());
    TablePages pages(printer, area, heading, table);
    if (!pages.RowFitsOnAPage())
        return PrintFailure(
            Tr(QT_TRANSLATE_NOOP("TablePrinting", "stránka je pro tabulku příliš malá")));
    return PrintPages(printer, heading, [&](QPainter &painter) { pages.Draw(printer, painter); });
}

} // namespace vorlant
