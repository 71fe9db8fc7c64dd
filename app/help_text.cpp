#include "app/help_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QTextEdit>

namespace vorlant {

QString BuiltInHelpText()
{
    // Each language has its own help, written for it rather than translated line by line.
    //: The built-in help in this language, a file of the program's resources.
    const QString path = QCoreApplication::translate("HelpText", ":/help/help.txt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString DecodeHelpFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Qt reaches the Windows code pages through ICU.
    QStringDecoder windows1250("windows-1250");
    if (windows1250.isValid())
        return windows1250(bytes);
    return QString::fromLatin1(bytes);
}

void ShowHelpText(QTextEdit &view, const QString &text)
{
    if (Qt::mightBeRichText(text)) {
        view.setHtml(text);
        return;
    }
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    // The last line's terminator ends that line; it does not begin another paragraph.
    if (lines.endsWith(u'\n'))
        lines.chop(1);
    view.setPlainText(lines);
}

} // namespace vorlant
