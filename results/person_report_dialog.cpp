#include "results/person_report_dialog.h"

#include "engine/message_sink.h"
#include "results/chart_printing.h"
#include "results/person_report_page.h"
#include "results/progress_reading.h"
#include "store/file_io.h"
#include "store/results_name.h"
#include "store/results_store.h"
#include "ui/save_file_dialog.h"
#include "ui/window_placement.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

namespace vorlant {
namespace {

constexpr int kPdfDpi = 300;

QString Title(const QString &person)
{
    return QCoreApplication::translate("PersonReport", "Zpráva o osobě – %1").arg(person);
}

QString ChoosePdfFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(
        parent, QStringLiteral("pdfSaveDialog"),
        QCoreApplication::translate("PersonReport", "Uložit zprávu jako PDF"),
        QCoreApplication::translate("PersonReport", "PDF (*.pdf);;Všechny soubory (*)"),
        QStringLiteral("pdf"), suggested);
}

QPushButton *AddButton(QDialogButtonBox &box, const char *name, const QString &text,
                       QDialogButtonBox::ButtonRole role)
{
    QPushButton *button = box.addButton(text, role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

PersonReportDialog::PersonReportDialog(MessageSink &messages, QWidget *parent)
    : QDialog(parent), messages_(messages), note_(new QPlainTextEdit(this)),
      status_(new QLabel(this)), choosePdf_(ChoosePdfFile), printer_(*this)
{
    setObjectName(QStringLiteral("personReportDialog"));
    setWindowTitle(tr("Zpráva o osobě"));
    auto *noteLabel = new QLabel(tr("Poznámka"), this);
    noteLabel->setBuddy(note_);
    note_->setObjectName(QStringLiteral("reportNote"));
    note_->setTabChangesFocus(true);
    status_->setObjectName(QStringLiteral("reportStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save =
        AddButton(*buttons, "savePdf", tr("Uložit jako PDF…"), QDialogButtonBox::ActionRole);
    QPushButton *print =
        AddButton(*buttons, "printReport", tr("Tisk…"), QDialogButtonBox::ActionRole);
    AddButton(*buttons, "closeReport", tr("Zavřít"), QDialogButtonBox::RejectRole);
    connect(save, &QPushButton::clicked, this, &PersonReportDialog::SavePdf);
    connect(print, &QPushButton::clicked, this, &PersonReportDialog::Print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel);
    layout->addWidget(note_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    resize(460, 260);
}

PersonReportDialog::~PersonReportDialog() = default;

void PersonReportDialog::Offer(const QString &person, std::vector<ProgressPoint> tests)
{
    if (tests.empty()) {
        messages_.Message(tr("Osoba %1 nemá žádný test s pokusy, zprávu nelze sestavit.")
                              .arg(person)
                              .toStdString());
        return;
    }
    person_ = person;
    tests_ = InTimeOrder(std::move(tests));
    setWindowTitle(Title(person_));
    note_->clear();
    status_->clear();
    note_->setFocus();
    exec();
}

void PersonReportDialog::setVisible(bool visible)
{
    SetVisibleCentredFirstTime(*this, visible, placed_,
                               [this](bool shown) { QDialog::setVisible(shown); });
}

PersonReport PersonReportDialog::Report() const
{
    return {person_, tests_, QDateTime::currentDateTime(), note_->toPlainText()};
}

void PersonReportDialog::SavePdf()
{
    const QString chosen =
        choosePdf_(this, QDir::home().filePath(tr("%1 – zpráva.pdf").arg(person_)));
    if (chosen.isEmpty())
        return;
    std::error_code error;
    if (!SavePersonReportPdf(chosen, Report(), error)) {
        messages_.Message(CannotSave(chosen.toStdString(), error));
        return;
    }
    status_->setText(tr("Zpráva je uložena: %1").arg(chosen));
}

void PersonReportDialog::Print()
{
    const PersonReport report = Report();
    printer_.Print(messages_, [&](QPrinter &printer) {
        return PrintPages(printer, Title(person_), [&](QPainter &painter) {
            DrawPersonReport(painter, printer.pageLayout(), report);
        });
    });
}

QByteArray PersonReportPdf(const PersonReport &report)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(PersonReportPageLayout());
    writer.setTitle(Title(report.person));
    writer.setCreator(QStringLiteral("Vorlant"));
    QPainter painter(&writer);
    DrawPersonReport(painter, writer.pageLayout(), report);
    painter.end();
    return pdf.data();
}

bool SavePersonReportPdf(const QString &path, const PersonReport &report, std::error_code &error)
{
    const QByteArray pdf = PersonReportPdf(report);
    return ReplaceFileAtomically(path.toStdString(),
                                 std::string_view(pdf.constData(), std::size_t(pdf.size())), error);
}

void OfferReportOfFolder(PersonReportDialog &dialog, MessageSink &messages, QWidget *readingParent,
                         const QString &folder, const QString &person,
                         std::chrono::milliseconds dialogAfter)
{
    std::optional<PersonTests> read = ReadPersonTests(readingParent, folder, person, dialogAfter);
    if (!read)
        return;
    if (!read->unreadable.isEmpty())
        messages.Message(UnreadableFilesMessage(
                             QCoreApplication::translate(
                                 "PersonReport", "Tyto soubory nelze načíst, ve zprávě chybí:"),
                             read->unreadable)
                             .toStdString());
    dialog.Offer(QString::fromStdString(PersonWithoutCopyNumber(person.toStdString())),
                 std::move(read->tests));
}

} // namespace vorlant
// The meta-object code is compiled here, not with the rest of the library's, so that the
// program, whose windows get this dialog from its module, links neither it nor Qt's chart and
// print modules behind it.
#include "moc_person_report_dialog.cpp"
