#pragma once

class QByteArray;
class QString;
class QTextEdit;

namespace vorlant {

// The built-in help text: the description of the program in Czech, one line per paragraph.
QString BuiltInHelpText();

// Decodes a help file: UTF-8 when its bytes are valid UTF-8, else Windows-1250, the code page
// in which Czech text files were usually written.
QString DecodeHelpFile(const QByteArray &bytes);

// Replaces the view's content: HTML shown formatted, any other text one paragraph per line.
void ShowHelpText(QTextEdit &view, const QString &text);

} // namespace vorlant
