#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace vorlant {

class MessageSink;

// The name entry dialog `TForm4`: a test starts only through a non-empty name. It is left only
// by "Ok" with a name; Escape and the window system's close request are refused.
class NameDialog : public QDialog
{
    Q_OBJECT

public:
    using StartTest = std::function<void(const QString &name)>;

    NameDialog(MessageSink &messages, StartTest startTest, QWidget *parent = nullptr);

    // Refused: there is no way out without a name.
    void reject() override;
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // "Ok", also Enter in the name box: refuses an empty box, else starts the test and closes.
    void Button1Click();

    QLineEdit *_jmeno;
    QPushButton *Button1;
    MessageSink &messages_;
    StartTest startTest_;
    bool placed_ = false;
};

} // namespace vorlant
