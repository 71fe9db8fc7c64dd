#pragma once

#include <QWidget>

#include <functional>

class QTextEdit;

namespace vorlant {

class MessageSink;

// The help window `TForm2`: the built-in description of the program, or "popis.txt" from the
// data directory once it has been found there. Closing it only hides it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    using DataDirectory = std::function<QString()>;

    HelpWindow(DataDirectory dataDirectory, MessageSink &messages, QWidget *parent = nullptr);

    // The menu item "Popis": loads "popis.txt" from the data directory if it exists, then shows
    // the window in front without making it modal. A file that cannot be read is reported and
    // leaves the window as it was, hidden if it was hidden.
    void ShowHelp();

private:
    // Replaces the view's content with the file's; false, after reporting, when it cannot be read.
    bool LoadFile(const QString &path);

    QTextEdit *RE1;
    DataDirectory dataDirectory_;
    MessageSink &messages_;
    bool placed_ = false; // later shows leave the window where the user put it
};

} // namespace vorlant
