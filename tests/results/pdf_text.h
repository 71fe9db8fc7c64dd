#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vorlant::test {

// The text of a PDF file as pdftotext (poppler) reads it back, in the layout of its pages; empty
// when it cannot be read.
inline QString PdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VORLANT_PDFTOTEXT),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace vorlant::test
