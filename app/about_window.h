#pragma once

#include <QDialog>

namespace vorlant {

// The About window `TForm7`: author, version and terms of use. Left by "OK" or by the window
// system closing it; Escape does nothing.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool placed_ = false;
};

} // namespace vorlant
