#include "results/archive_directory_edit.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QToolButton>

namespace vorlant {
namespace {

QString ChooseWithDialog(QWidget *parent, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, QString(), startFolder);
}

} // namespace

DirectoryEdit::DirectoryEdit(QWidget *parent)
    : QLineEdit(parent), browseButton_(new QToolButton(this)), chooser_(&ChooseWithDialog)
{
    browseButton_->setObjectName(QStringLiteral("browse"));
    browseButton_->setText(QStringLiteral("…"));
    browseButton_->setCursor(Qt::ArrowCursor);
    browseButton_->setFocusPolicy(Qt::NoFocus);
    connect(browseButton_, &QToolButton::clicked, this, &DirectoryEdit::Browse);
    PlaceBrowseButton();
}

void DirectoryEdit::SetFolderChooser(FolderChooser chooser)
{
    chooser_ = std::move(chooser);
}

QString DirectoryEdit::BrowseStartFolder() const
{
    const QString folder = text().isEmpty() ? initialFolder_ : text();
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() ? info.absoluteFilePath() : QStringLiteral("/");
}

void DirectoryEdit::Browse()
{
    const QString chosen = chooser_(this, BrowseStartFolder());
    if (chosen.isEmpty())
        return;
    initialFolder_ = chosen;
    setText(chosen);
}

void DirectoryEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    PlaceBrowseButton();
}

// The button sits inside the frame at the right end; the text stops short of it.
void DirectoryEdit::PlaceBrowseButton()
{
    const int side = std::max(0, height() - 4);
    browseButton_->setGeometry(width() - side - 2, 2, side, side);
    setTextMargins(0, 0, side, 0);
}

} // namespace vorlant
