#include "results/person_rename_dialog.h"

#include "engine/message_sink.h"
#include "store/person_files.h"
#include "store/results_name.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlant {

PersonRenameDialog::PersonRenameDialog(MessageSink &messages, const QString &person, int tests,
                                       std::map<std::string, int> testsByPerson, QWidget *parent)
    : QDialog(parent), messages_(messages), person_(person),
      testsByPerson_(std::move(testsByPerson)), name_(new QLineEdit(person, this)),
      mergeNote_(new QLabel(this)), rename_(new QPushButton(tr("Přejmenovat"), this))
{
    setObjectName(QStringLiteral("personRenameDialog"));
    setWindowTitle(tr("Přejmenovat osobu"));

    auto *current = new QLabel(person, this);
    current->setObjectName(QStringLiteral("currentName"));
    current->setTextFormat(Qt::PlainText); // a name is data, never markup
    name_->setObjectName(QStringLiteral("newName"));
    name_->setMaxLength(kMostNameCharacters);
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * (kMostNameCharacters + 6));
    name_->selectAll();
    mergeNote_->setObjectName(QStringLiteral("mergeNote"));
    mergeNote_->setTextFormat(Qt::PlainText);
    mergeNote_->setWordWrap(true);
    mergeNote_->hide();

    auto *buttons = new QDialogButtonBox(this);
    rename_->setObjectName(QStringLiteral("renameButton"));
    rename_->setDefault(true);
    buttons->addButton(rename_, QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Zrušit"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Osoba:"), current);
    auto *count = new QLabel(QString::number(tests), this);
    count->setObjectName(QStringLiteral("testCount"));
    form->addRow(tr("Testů:"), count);
    form->addRow(tr("Nové jméno:"), name_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(mergeNote_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(name_, &QLineEdit::textChanged, this, &PersonRenameDialog::NameEdited);
}

QString PersonRenameDialog::NewPerson() const
{
    return QString::fromStdString(PersonOfTypedName(name_->text().toStdString()));
}

void PersonRenameDialog::accept()
{
    if (name_->text().isEmpty()) {
        messages_.Message(VORLANT_TRANSLATE_NOOP("Messages", "Nelze zadat prázdné jméno"));
        return;
    }
    QDialog::accept();
}

// Says before anything happens that the tests of two persons will become one person's.
void PersonRenameDialog::NameEdited()
{
    const QString target = NewPerson();
    const auto found = testsByPerson_.find(target.toStdString());
    const int tests = found == testsByPerson_.end() || target == person_ ? 0 : found->second;
    mergeNote_->setVisible(tests > 0);
    mergeNote_->setText(
        tests > 0 ? tr("Osoba „%1“ už má %n testů. Testy se spojí.", nullptr, tests).arg(target)
                  : QString());
    rename_->setText(tests > 0 ? tr("Spojit") : tr("Přejmenovat"));
}

} // namespace vorlant
