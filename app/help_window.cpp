#include "app/help_window.h"

#include "app/help_text.h"
#include "engine/message_sink.h"
#include "ui/window_placement.h"

#include <QFile>
#include <QFileInfo>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cerrno>

namespace vorlant {
namespace {

constexpr QSize kFirstOuterSize(639, 438);

} // namespace

HelpWindow::HelpWindow(DataDirectory dataDirectory, MessageSink &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), RE1(new QTextEdit(this)),
      dataDirectory_(std::move(dataDirectory)), messages_(messages)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Stručný popis"));
    setFont(QFont(QStringLiteral("Arial"), 8));

    RE1->setObjectName(QStringLiteral("RE1"));
    RE1->setFont(QFont(QStringLiteral("Arial"), 12));
    RE1->setReadOnly(true);
    RE1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RE1->setLineWrapMode(QTextEdit::WidgetWidth);
    RE1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RE1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ShowHelpText(*RE1, BuiltInHelpText());

    // The layout keeps the view filling the whole client area at every size.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RE1);

    resize(kFirstOuterSize);
}

void HelpWindow::ShowHelp()
{
    // A forward slash, whatever separators the data directory holds.
    const QString path = dataDirectory_() + QStringLiteral("/popis.txt");
    if (QFileInfo::exists(path) && !LoadFile(path))
        return;
    ShowInFront(*this, kFirstOuterSize, placed_);
}

bool HelpWindow::LoadFile(const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        // Qt words a directory in its own way; the system's reason reads better.
        const QString reason =
            QFileInfo(path).isDir() ? qt_error_string(EISDIR) : file.errorString();
        messages_.Error({VORLANT_TRANSLATE_NOOP("Messages", "Cannot open file \"%1\". %2"),
                         {path.toStdString(), reason.toStdString()}});
        return false;
    }
    ShowHelpText(*RE1, DecodeHelpFile(bytes));
    return true;
}

} // namespace vorlant
