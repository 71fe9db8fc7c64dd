#include "results/progress_window.h"

#include "engine/message_sink.h"
#include "results/chart_drawing.h"
#include "results/chart_printing.h"
#include "results/csv_saving.h"
#include "results/person_commands.h"
#include "results/person_report_dialog.h"
#include "results/progress_chart.h"
#include "results/progress_reading.h"
#include "store/results_name.h"

#include "ui/window_placement.h"
#include <QAction>
#include <QChartView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QToolTip>

namespace vorlant {
namespace {

constexpr QSize kOuterSize{713, 399};
// How close the mouse must come to a point for its description to show.
constexpr double kHoverRadius = 8;

} // namespace

ProgressWindow::ProgressWindow(MessageSink &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages), chart_(new ProgressChart),
      view_(new QChartView(chart_, this)), printer_(*this)
{
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(tr("Vývoj výsledků"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with the main window only
    resize(kOuterSize);

    view_->setObjectName(QStringLiteral("progressChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    setCentralWidget(view_); // follows the window's size

    QMenu *actions = menuBar()->addMenu(tr("Akce"));
    QAction *portrait = actions->addAction(tr("Tisk na výšku"));
    portrait->setObjectName(QStringLiteral("printPortrait"));
    connect(portrait, &QAction::triggered, this, [this] { Print(kPortraitPrintArea); });
    QAction *landscape = actions->addAction(tr("Tisk na šířku"));
    landscape->setObjectName(QStringLiteral("printLandscape"));
    connect(landscape, &QAction::triggered, this, [this] { Print(kLandscapePrintArea); });
    QAction *report = actions->addAction(tr("Zpráva o osobě…"));
    report->setObjectName(QStringLiteral("reportOfPerson"));
    connect(report, &QAction::triggered, this,
            [this] { ReportDialog().Offer(person_, chart_->Tests()); });
    QAction *close = actions->addAction(tr("Konec"));
    close->setObjectName(QStringLiteral("closeProgress"));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::ShowProgress(const QString &folder, const QString &person)
{
    if (reading_) // the progress dialog lets events through; one reading at a time
        return;
    reading_ = true;
    const std::optional<PersonTests> read = ReadPersonTests(this, folder, person, dialogAfter_);
    reading_ = false;
    if (!read)
        return;
    folder_ = folder;
    person_ = QString::fromStdString(PersonWithoutCopyNumber(person.toStdString()));
    setWindowTitle(tr("Vývoj výsledků – %1").arg(person_));
    chart_->Fill(person_, read->tests);
    ShowInFront(*this, kOuterSize, shownBefore_);
    if (!read->unreadable.isEmpty())
        messages_.Message(
            UnreadableFilesMessage(tr("Tyto soubory nelze načíst, ve vývoji výsledků chybí:"),
                                   read->unreadable)
                .toStdString());
}

void ProgressWindow::OfferReport(const QString &folder, const QString &person)
{
    if (reading_)
        return;
    reading_ = true;
    OfferReportOfFolder(ReportDialog(), messages_, this, folder, person, dialogAfter_);
    reading_ = false;
}

PersonReportDialog &ProgressWindow::ReportDialog()
{
    if (!report_)
        report_ = new PersonReportDialog(messages_, this);
    return *report_;
}

void ProgressWindow::ApplyPersonChange(const PersonChange &change)
{
    if (!isVisible() || change.folder != folder_ || change.person != person_)
        return;
    if (change.newPerson.isEmpty())
        close();
    else
        ShowProgress(folder_, change.newPerson);
}

bool ProgressWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_->viewport() && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        ShowPointAt(move->position().toPoint(), move->globalPosition().toPoint());
    }
    return QMainWindow::eventFilter(watched, event);
}

// Shows the description of the point under the mouse, or hides it away from every point.
void ProgressWindow::ShowPointAt(const QPoint &viewportPosition, const QPoint &globalPosition)
{
    const QPointF inChart = chart_->mapFromScene(view_->mapToScene(viewportPosition));
    const int index = chart_->TestNear(inChart, kHoverRadius);
    if (index < 0) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, DescribePoint(chart_->Tests()[index]), view_->viewport());
}

void ProgressWindow::Print(const QRect &area)
{
    printer_.Print(messages_, [&](QPrinter &printer) {
        return PrintPage(printer, area, windowTitle(),
                         [this](QPainter &painter, const QRectF &target) {
                             auto *chart = new ProgressChart;
                             chart->Fill(person_, chart_->Tests());
                             RenderChart(painter, target, chart);
                         });
    });
}

std::unique_ptr<ProgressWindow> MakeProgressWindow(MessageSink &messages, QWidget *parent)
{
    return std::make_unique<ProgressWindow>(messages, parent);
}

} // namespace vorlant
// The meta-object code is compiled here, not with the rest of the library's, so that the
// program, whose archive window gets this window from its module, links neither it nor
// Qt's chart and print modules behind it.
#include "moc_progress_window.cpp"
