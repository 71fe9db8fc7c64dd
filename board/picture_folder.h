#pragma once

#include <QString>
#include <QStringList>

namespace vorlant {

class MessageSink;

// The folder "obr_deti" into which the embedded pictures are unpacked at start-up and from
// which they are removed at shut-down. Several copies of the program may share one such folder
// (two children on one account): each copy holds a shared lock on the folder while it runs,
// the folder's parent is locked exclusively while a copy unpacks or removes, and only the copy
// that finds itself the folder's last user removes the pictures.
class PictureFolder
{
public:
    static constexpr const char *kName = "obr_deti";

    // parentFolder holds the picture folder; empty: the current folder at unpack.
    explicit PictureFolder(QString parentFolder = {});
    ~PictureFolder();
    PictureFolder(const PictureFolder &) = delete;
    PictureFolder &operator=(const PictureFolder &) = delete;

    // Writes DATA_1.jpg .. DATA_42.jpg into the folder byte for byte, creating the folder if
    // needed; a copy that finds the folder in use by another leaves that copy's pictures as
    // they are. Reports a folder that cannot be used as a message and a file that cannot be
    // written as an error; stops at the first failure. The current folder stays as it is.
    void unpack(MessageSink &messages);

    // When no other copy uses the folder any more: deletes the unpacked pictures, then the
    // folder if nothing else is left in it. Failures are ignored.
    void remove();

    // The picture folder's absolute path; empty before unpack.
    const QString &path() const { return m_folder; }

private:
    QString m_parent;
    QString m_folder;
    int m_folderFd = -1; // held open for the run: it carries this copy's shared lock
    QStringList m_unpacked;
};

} // namespace vorlant
