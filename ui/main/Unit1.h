// The main window: the trash list with its information panel, and the clearing controls.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "core/AgeAnalysis.h"
#include "core/DateTime.h"
#include "core/RemoveOutcome.h"
#include "platform/ItemSource.h"

class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class ClickLabel;
class TFindDialog;
class TShellListView;

// The sub-item indices of a row's size and deletion-date texts, found by the column headings.
extern int SizeColumn;
extern int DateColumn;
// The row at which the next search starts: 0 at start-up and after the search button.
extern int SearchPos;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    using TodayFunction = std::function<TDateTime()>;

    // Builds the window and its list, which reads the source; then runs FormCreate.
    explicit TForm1(std::unique_ptr<ItemSource> source, TodayFunction today = velmora::today,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QPushButton* BtnAnalyse;
    QPushButton* BtnDelete;
    QRadioButton* RbDate;
    QDateEdit* DtCeil;
    QLabel* Label1;
    QRadioButton* RbDays;
    QComboBox* CmbDays;
    QLabel* Label2;
    TShellListView* ShellListView1;
    QFrame* Panel1;
    QLabel* Image1;
    ClickLabel* lblAbout;
    QLabel* Label3;
    QLabel* lblTotal;
    QLabel* Label4;
    QLabel* lblTotalSpace;
    QPushButton* BtnSeek;
    TFindDialog* FindDialog1;
    QLabel* lblUnavailable; // the volumes the list had to leave out, at the foot of Panel1

    void FormCreate();
    void FormShow();
    void RefreshSum();
    void BtnAnalyseClick();
    // The purge: asks, when any item was deleted before the cut-off, whether to remove them;
    // after 是 removes them, reports what it removed and the space that freed, re-reads the list
    // and the totals, and gives the list the focus.
    void BtnDeleteClick();
    // Removes the item of row `index` for good. Runs off the GUI thread, several at once.
    RemoveOutcome KillItem(int index);
    void CmbDaysChange();
    void ShellListView1DblClick();
    void lblAboutClick();
    void BtnSeekClick();
    void FindDialog1Find();

    // DtCeil's value: its date at 00:00.
    TDateTime DtCeilDateTime() const;
    void SetDtCeilDateTime(TDateTime value);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CutOffChoice cutOffChoice() const;
    void createControls(std::unique_ptr<ItemSource> source);
    void layoutGroups();
    // Reduces the window to its screen's available area where it is larger, and moves its frame
    // to `frame`'s place kept wholly on that screen.
    void placeOnScreen(const QRect& frame);

    TodayFunction today_;
    bool shownBefore_ = false;
};

} // namespace velmora
