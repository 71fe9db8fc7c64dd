#pragma once

#include <QStringList>

namespace vorlant {

class MessageSink;

// The folder "obr_deti" below the current folder, into which the embedded pictures are
// unpacked at start-up and from which they are removed at shut-down.
class PictureFolder
{
public:
    static constexpr const char *kName = "obr_deti";

    // Writes DATA_1.jpg .. DATA_42.jpg into the folder byte for byte, creating the folder if
    // needed. Reports a folder that cannot be used as a message and a file that cannot be
    // written as an error; stops at the first failure. The current folder stays as it is.
    void unpack(MessageSink &messages);

    // Deletes the files that unpack wrote, then the folder if nothing else is left in it.
    // Failures are ignored.
    void remove();

private:
    QString m_folder; // absolute path, fixed by unpack
    QStringList m_written;
};

} // namespace vorlant
