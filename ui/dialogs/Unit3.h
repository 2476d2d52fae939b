// Unit3 holds TfrmAnalyze, the analysis dialog: the message of an age analysis over a pie chart of
// the space the items deleted before the cut-off take against the space of all the others.
#pragma once

#include <QPushButton>
#include <QString>

#include "ui/dialogs/FixedDialog.h"
#include "ui/dialogs/MessageLabel.h"
#include "ui/dialogs/PieChart.h"

namespace velmora {

class TfrmAnalyze : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmAnalyze(QWidget* owner);

    MessageLabel* Label1; // the message, above the chart
    PieChart* Chart1;     // below the label, whatever its height
    PieSeries* Series1;   // the only series of Chart1
    QPushButton* BitBtn1; // "确定": closes with result 1

    // Written by the caller before each showing, read by FormShow, never written here.
    QString StrMsg;
    long double ISpaceTotal = 0; // MB, all items
    long double ISpacePart = 0;  // MB, the items deleted before the cut-off

    // Sets the caption; runs once, at creation.
    void FormCreate();
    // Fills the label and the chart from the fields; runs every time the dialog is shown.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Label1 and Chart1 are stacked from the top: the chart starts where the label ends.
    void alignControls();
};

// The single instance, created by the application at start-up.
extern TfrmAnalyze* frmAnalyze;

} // namespace velmora
