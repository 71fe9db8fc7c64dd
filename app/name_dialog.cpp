#include "app/name_dialog.h"

#include "engine/message_sink.h"
#include "store/results_name.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace vorlant {
namespace {

// A line edit that selects its whole text whenever it gains the focus other than by a click,
// so that a name from the previous test can be kept or typed over at once.
class NameBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason)
            selectAll();
    }
};

} // namespace

NameDialog::NameDialog(MessageSink &messages, StartTest startTest, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      _jmeno(new NameBox(this)), Button1(new QPushButton(tr("Ok"), this)), messages_(messages),
      startTest_(std::move(startTest))
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(tr("Zadej jméno"));
    // MS Sans Serif 8 pt does not exist here; Arial resolves to its metric twin.
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(365, 34);

    _jmeno->setObjectName(QStringLiteral("_jmeno"));
    _jmeno->setGeometry(0, 8, 273, 21);
    _jmeno->setMaxLength(kMostNameCharacters);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(282, 6, 75, 25);
    // No default button: Enter counts only in the name box.
    Button1->setAutoDefault(false);
    Button1->setDefault(false);

    setTabOrder(_jmeno, Button1);
    _jmeno->setFocus();

    connect(Button1, &QPushButton::clicked, this, &NameDialog::Button1Click);
    connect(_jmeno, &QLineEdit::returnPressed, this, &NameDialog::Button1Click);
}

void NameDialog::reject() {}

void NameDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void NameDialog::setVisible(bool visible)
{
    SetVisibleCentredFirstTime(*this, visible, placed_,
                               [this](bool shown) { QDialog::setVisible(shown); });
}

void NameDialog::Button1Click()
{
    const QString name = _jmeno->text();
    if (name.isEmpty()) {
        messages_.Message(VORLANT_TRANSLATE_NOOP("Messages", "Nelze zadat prázdné jméno"));
        return;
    }
    startTest_(name);
    accept();
}

} // namespace vorlant
