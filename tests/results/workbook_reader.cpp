#include "workbook_reader.h"

#include <QDate>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>
#include <optional>

#include <unzip.h>

namespace vorlant::test {
namespace {

// The whole of one member of the zip file, or nothing when it is missing.
std::optional<QByteArray> Member(unzFile zip, const QByteArray &name)
{
    if (unzLocateFile(zip, name.constData(), 1) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK)
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    int read;
    while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, read);
    unzCloseCurrentFile(zip);
    if (read < 0)
        return std::nullopt;
    return bytes;
}

// "C12" as (11, 2).
std::pair<int, int> CellPosition(const QString &reference)
{
    int column = 0;
    int i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].unicode() - 'A' + 1);
    return {reference.mid(i).toInt() - 1, column - 1};
}

// All the text below the current element, which the reader leaves at its end.
QString InnerText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == u"t") {
                text += xml.readElementText();
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

QStringList SharedStrings(const QByteArray &xmlText)
{
    QStringList strings;
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << InnerText(xml);
    }
    return strings;
}

void ReadStyles(const QByteArray &xmlText, Workbook &book)
{
    std::map<int, QString> formats{{0, QString()}, {1, QStringLiteral("0")}};
    QXmlStreamReader xml(xmlText);
    bool cellFormats = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const int format = xml.attributes().value(QLatin1String("numFmtId")).toInt();
        if (xml.name() == u"cellXfs")
            cellFormats = true;
        else if (xml.name() == u"numFmt")
            formats[format] = xml.attributes().value(QLatin1String("formatCode")).toString();
        else if (xml.name() == u"xf" && cellFormats)
            book.formatOfStyle.push_back(
                formats.count(format) ? formats[format] : QStringLiteral("builtin %1").arg(format));
    }
}

void ReadSheet(const QByteArray &xmlText, const QStringList &shared, Workbook &book)
{
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto attribute = [&](const char *name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (xml.name() == u"autoFilter") {
            book.autoFilter = attribute("ref");
        } else if (xml.name() == u"c") {
            WorkbookCell cell;
            cell.type = attribute("t").isEmpty() ? QStringLiteral("n") : attribute("t");
            cell.style = attribute("s").toInt();
            const std::pair<int, int> at = CellPosition(attribute("r"));
            while (xml.readNextStartElement()) {
                if (xml.name() == u"f") {
                    cell.formula = true;
                    xml.skipCurrentElement();
                } else if (xml.name() == u"v") {
                    cell.value = xml.readElementText();
                } else if (xml.name() == u"is") {
                    cell.value = InnerText(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            if (cell.type == u"s")
                cell.value = shared.value(cell.value.toInt());
            book.cells[at] = cell;
        }
    }
    if (xml.hasError())
        book.error = xml.errorString();
}

} // namespace

int Workbook::RowCount() const
{
    return cells.empty() ? 0 : cells.rbegin()->first.first + 1;
}

const WorkbookCell *Workbook::Cell(int row, int column) const
{
    const auto found = cells.find({row, column});
    return found == cells.end() ? nullptr : &found->second;
}

QString Workbook::Text(int row, int column) const
{
    const WorkbookCell *cell = Cell(row, column);
    return cell && (cell->type == u"s" || cell->type == u"inlineStr" || cell->type == u"str")
               ? cell->value
               : QString();
}

double Workbook::Number(int row, int column) const
{
    const WorkbookCell *cell = Cell(row, column);
    return cell && cell->type == u"n" && !cell->value.isEmpty()
               ? cell->value.toDouble()
               : std::numeric_limits<double>::quiet_NaN();
}

QString Workbook::Format(int row, int column) const
{
    const WorkbookCell *cell = Cell(row, column);
    const std::size_t style = cell ? std::size_t(cell->style) : 0;
    return style < formatOfStyle.size() ? formatOfStyle[style] : QString();
}

Workbook ReadWorkbook(const QString &path, int sheetNumber)
{
    Workbook book;
    unzFile zip = unzOpen(path.toLocal8Bit().constData());
    if (!zip) {
        book.error = "not a zip file: " + path;
        return book;
    }
    const std::optional<QByteArray> sheet =
        Member(zip, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheetNumber).toLatin1());
    const std::optional<QByteArray> styles = Member(zip, "xl/styles.xml");
    const std::optional<QByteArray> shared = Member(zip, "xl/sharedStrings.xml");
    if (const std::optional<QByteArray> workbook = Member(zip, "xl/workbook.xml")) {
        QXmlStreamReader xml(*workbook);
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (xml.isStartElement() && xml.name() == u"sheet")
                book.sheetNames << xml.attributes().value(QLatin1String("name")).toString();
        }
    }
    unzClose(zip);
    if (!sheet || !styles) {
        book.error = "a part of the workbook is missing";
        return book;
    }
    ReadStyles(*styles, book);
    ReadSheet(*sheet, shared ? SharedStrings(*shared) : QStringList(), book);
    return book;
}

std::map<QString, QByteArray> WorkbookParts(const QString &path)
{
    std::map<QString, QByteArray> parts;
    unzFile zip = unzOpen(path.toLocal8Bit().constData());
    if (!zip)
        return parts;
    for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
        unz_file_info info;
        char name[512];
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        if (unzOpenCurrentFile(zip) != UNZ_OK)
            continue;
        QByteArray bytes;
        char buffer[65536];
        int read;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, read);
        unzCloseCurrentFile(zip);
        parts[QString::fromUtf8(name)] = bytes;
    }
    unzClose(zip);
    return parts;
}

double SpreadsheetSerial(int year, int month, int day, int hour, int minute)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))) +
           (hour * 60 + minute) / 1440.0;
}

} // namespace vorlant::test
