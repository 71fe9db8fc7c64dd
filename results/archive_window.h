#pragma once

#include "results/csv_saving.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace vorlant {

class ChartWindow;
class DirectoryEdit;
class MessageSink;
class ResultsStore;
struct ArchiveEntry;
struct PersonChange;

// The archive window "Uložené výsledky" (TForm5): the results files of one folder sorted by
// person, narrowed by a name filter; a double-click shows a file in the chart window. Its
// directory field is the store's archive folder. Created once and hidden; closing it only
// hides it.
class ArchiveWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class NoticeKind
    {
        Warning,
        Information
    };
    // Shows a message dialog of the kind with the caption, the text and one "OK" button.
    using NoticeBox =
        std::function<void(NoticeKind kind, const QString &caption, const QString &text)>;

    // Makes the window of a person's progress, a child of parent.
    using ProgressWindowMaker =
        std::function<std::unique_ptr<ProgressWindow>(MessageSink &messages, QWidget *parent)>;

    // Makes the window "Přehled osob", a child of parent.
    using OverviewWindowMaker =
        std::function<std::unique_ptr<OverviewWindow>(MessageSink &messages, QWidget *parent)>;

    // Loads through the store and shows loaded files in the chart window; both outlive this.
    // The program, which loads the code of the chart and of the progress and overview windows
    // after its first frame, passes them from there: without that code there is no chart (a
    // double-click only loads) and no makers (the menu items say why they are off).
    ArchiveWindow(ResultsStore &store, ChartWindow *chart, QWidget *parent = nullptr,
                  ProgressWindowMaker makeProgress = MakeProgressWindow,
                  OverviewWindowMaker makeOverview = MakeOverviewWindow);
    ~ArchiveWindow() override;

    // Puts folder into the directory field and makes it the initial browsing folder; a
    // changed text refills the list (DEChange). Start-up passes the store's archive folder.
    void SetDirectory(const QString &folder);

    // The main window's "Archiv": fills the list if it has no first person, then shows the
    // window without making it modal and brings it to the front.
    void ShowArchive();

    // Refills the list from the directory field's folder and the name filter, then rebuilds
    // the filter's choices. When no file matches, the list is one empty row and the filter
    // keeps its text and choices.
    void FillArchiveList();
    // Rebuilds the name filter's choices: "*" and the first word of each person in the list.
    void FillNameFilter();

    // Replaces the message boxes, which run by default.
    void SetNoticeBox(NoticeBox box);
    // Replaces the save dialog of "Export do CSV…", which runs by default.
    void SetSaveFileChooser(SaveFileChooser choose);
    // Replaces the save dialog of "Export do Excelu…", which runs by default.
    void SetWorkbookFileChooser(SaveFileChooser choose);

    // Whether the progress window's code is there (the program's module was loaded).
    bool HasProgress() const { return static_cast<bool>(makeProgress_); }
    // The window of a person's progress, made the first time it is needed; only HasProgress.
    ProgressWindow &Progress();
    // Whether the overview window's code is there (the program's module was loaded).
    bool HasOverview() const { return static_cast<bool>(makeOverview_); }
    // The window "Přehled osob", made the first time it is needed; only HasOverview. Its
    // double-click opens the progress window above.
    OverviewWindow &Overview();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void BuildMenus();
    void ConnectControls();
    void ShowEntries(const std::vector<ArchiveEntry> &entries);
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString &text);

    void FormResize();
    void CB1Change();
    void DEChange();
    void Otevt1Click();
    void Konec1Click();
    void SG1DblClick();
    void Novsloka1Click();
    void OKClick();
    void CancelClick();
    void _adrKeyPress();
    void ProgressClick();
    void ReportClick();
    // The current row's person; empty, and the user told to choose one, when there is none.
    QString ChosenPerson();
    void ExportCsvClick();
    void OverviewClick();
    void ExportXlsxClick();
    // "Přejmenovat osobu…" and "Smazat osobu…" on the current row's person.
    template <typename Command> void PersonCommandClick(Command command);
    // Has the list and the other windows show what a command changed.
    void PersonChanged(const PersonChange &change);
    // The files the list shows, in its order.
    std::vector<std::string> ListedFiles() const;

    ResultsStore &store_;
    ChartWindow *chart_; // none without the program's module
    ProgressWindowMaker makeProgress_;
    OverviewWindowMaker makeOverview_;
    NoticeBox noticeBox_;
    SaveFileChooser saveFileChooser_ = ChooseCsvFile;
    SaveFileChooser workbookFileChooser_;
    std::unique_ptr<ProgressWindow> progress_;
    std::unique_ptr<OverviewWindow> overview_;
    QString viewedFileName_;   // the file whose records the store's ViewedLog holds
    bool shownBefore_ = false; // later shows leave the window where the user put it

    QWidget *client_;
    QComboBox *CB1;
    DirectoryEdit *DE;
    QTableWidget *SG1;
    QGroupBox *GB1;
    QLineEdit *_adr;
    QPushButton *OK;
    QPushButton *Cancel;
    QMenu *PopupMenu1;
};

} // namespace vorlant
