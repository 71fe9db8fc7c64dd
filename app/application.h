#pragma once

#include "app/message_boxes.h"

#include <QApplication>

namespace vorlant {

// The program's application object: Qt's dialogs speak Czech, the windows wear the
// desktop's style (with the menu bar's overflow icon read when first drawn), every window
// carries the program's icon once SetProgramIcon has run, the program ends when the main
// window closes (not with the last window), and an exception escaping an event handler is
// shown in an error box instead of ending it.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Gives every window, those shown already too, the program's icon. Reading it costs the
    // start-up a millisecond that the first frame, painted without a window frame, can do
    // without; it is set right after that frame.
    void SetProgramIcon();

private:
    MessageBoxes errors_;
};

} // namespace vorlant
