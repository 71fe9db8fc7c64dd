#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

class QToolButton;

namespace vorlant {

// An edit box for a folder with a browse button "…" at its right end, which opens the
// system's folder chooser. A chosen folder replaces the text (so textChanged reports it)
// and becomes the initial browsing folder.
class DirectoryEdit : public QLineEdit
{
    Q_OBJECT

public:
    // Asks the user for a folder, starting at startFolder; an empty result means cancelled.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &startFolder)>;

    explicit DirectoryEdit(QWidget *parent = nullptr);

    // Where browsing starts while the field is empty.
    const QString &InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const QString &folder) { initialFolder_ = folder; }

    // Replaces QFileDialog::getExistingDirectory, which runs by default.
    void SetFolderChooser(FolderChooser chooser);

    // The folder the chooser opens at: the field's folder, the initial browsing folder when
    // the field is empty, the root "/" when that folder does not exist.
    QString BrowseStartFolder() const;

    // What the browse button does.
    void Browse();

    QToolButton *BrowseButton() const { return browseButton_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceBrowseButton();

    QToolButton *browseButton_;
    QString initialFolder_;
    FolderChooser chooser_;
};

} // namespace vorlant
