#pragma once

#include <QString>
#include <QStringList>

#include <string>

#include <sys/types.h>
#include <unistd.h>

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

    // parentFolder holds the picture folder; empty: the current folder at unpack. A picture
    // folder that owner does not own is not used.
    explicit PictureFolder(QString parentFolder = {}, uid_t owner = ::geteuid());
    ~PictureFolder();
    PictureFolder(const PictureFolder &) = delete;
    PictureFolder &operator=(const PictureFolder &) = delete;

    // Writes DATA_1.jpg .. DATA_42.jpg into the folder byte for byte, creating the folder if
    // needed; a copy that finds the folder in use by another leaves that copy's pictures as
    // they are. Reports a folder that cannot be used (another user's, or kept locked by another
    // copy for too long) as a message and a file that cannot be written as an error; stops at
    // the first failure. Reports only after the lock is released. The current folder stays.
    void unpack(MessageSink &messages);

    // When no other copy uses the folder any more: deletes the unpacked pictures, then the
    // folder if nothing else is left in it. Failures are ignored.
    void remove();

    // The picture folder's absolute path; empty before unpack and when it cannot be used.
    const QString &path() const { return m_folder; }

private:
    // Opens (and makes) the folder if it is a folder, not a link, and this user owns it; holds
    // it open from then on, and all work in it goes through that descriptor.
    bool openFolder(const QString &folder);
    // The pictures, unless another copy uses the folder; the first write error, else empty.
    std::string writePictures();

    QString m_parent;
    uid_t m_owner;
    QString m_folder;
    int m_folderFd = -1; // held open for the run: it carries this copy's shared lock
    QStringList m_unpacked;
};

} // namespace vorlant
