// The trash list as the search sees it: names, selection and scrolling.
#pragma once

#include "core/FindRows.h"
#include "platform/QtText.h"
#include "ui/main/ShellListView.h"

namespace velmora {

class ShellListFindRows : public FindRows {
public:
    explicit ShellListFindRows(TShellListView& view) : view_(view) {}

    int rowCount() const override { return view_.Items().Count(); }
    Text displayName(int row) const override { return toText(view_.Folders(row)->DisplayName()); }
    void setSelected(int row) override { view_.SetSelected(row); }
    void scrollToTop() override { view_.Scroll(TShellListView::SB_TOP); }
    void scrollLines(int lines) override {
        if (lines > 0)
            view_.Scroll(TShellListView::SB_LINEDOWN, lines);
        else if (lines < 0)
            view_.Scroll(TShellListView::SB_LINEUP, -lines);
    }

private:
    TShellListView& view_;
};

} // namespace velmora
