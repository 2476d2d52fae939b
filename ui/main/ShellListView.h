// The trash list: a report view over its model, with the selection, the scrolling and the
// VCL-style accessors (Items, Folders, Columns) the main window's handlers use.
#pragma once

#include <QList>
#include <QStringList>
#include <QTreeView>
#include <memory>
#include <vector>

#include "core/ListRows.h"
#include "platform/ItemSource.h"
#include "ui/main/ShellListModel.h"

namespace velmora {

class TShellListView;

// The item behind one row, valid until the list's next enumeration.
class TShellFolder {
public:
    TShellFolder(ItemSource* source, int index) : source_(source), index_(index) {}
    // The item's name in the list's first column.
    QString DisplayName() const;
    // The absolute path of the item's stored file or folder.
    QString PathName() const;
    bool IsFolder() const;
    // The texts of the list's columns 1 onwards, loaded once per enumeration.
    QStringList Details() const;
    int Index() const { return index_; }

private:
    ItemSource* source_;
    int index_;
};

// A list of texts whose reads outside it fail as the list's do.
class TStrings {
public:
    const QString& operator[](int index) const;
    int Count() const { return static_cast<int>(texts_.size()); }
    void Assign(QStringList texts) { texts_ = std::move(texts); }

private:
    QStringList texts_;
};

// The transient view of one row that Items[i] rebuilds at every access.
struct TListItem {
    int Index = -1;
    QString Caption; // empty: names come from the row's folder
    TStrings SubItems;
};

class TListItems {
public:
    explicit TListItems(TShellListView& view) : view_(view) {}
    int Count() const;
    TListItem& operator[](int index);

private:
    TShellListView& view_;
};

class TShellListView : public QTreeView, public ListRows {
    Q_OBJECT
public:
    // The name of the only root the list shows.
    static constexpr const char* RecycleBinRoot = "rfRecycleBin";
    // Scroll requests: one row up, one row down, to the first row.
    enum ScrollCode { SB_LINEUP = 0, SB_LINEDOWN = 1, SB_TOP = 6 };

    // Reads the source at once: the rows and columns exist when the constructor returns.
    explicit TShellListView(std::unique_ptr<ItemSource> source, QWidget* parent = nullptr);
    ~TShellListView() override;

    TListItems& Items() { return items_; }
    const QList<ColumnInfo>& Columns() const { return model_.columns(); }
    // The folder of row i; ListIndexError outside 0 .. count - 1.
    TShellFolder* Folders(int index);
    TShellFolder* GetFolder(int index) { return Folders(index); }

    int ItemIndex() const;
    void SetItemIndex(int index);
    // The selected row, or -1; writing selects without moving the focus mark or scrolling.
    int Selected() const { return ItemIndex(); }
    void SetSelected(int index);
    TShellFolder* SelectedFolder();

    QString Root() const { return root_; }
    void SetRoot(const QString& root);
    // Re-reads the trash and selects the row at the remembered position when it still exists.
    void Refresh();
    // Scrolls by exactly one row or to the top, `times` times over; the selection stays.
    void Scroll(ScrollCode code, int times = 1);

    // ListRows, for the walks of the cleaning logic.
    int rowCount() const override;
    Text subItemText(int row, int subItem) const override;
    void setItemIndex(int row) override;

    // While a walk runs, the rows it selects one after the other are remembered and only the
    // last one is selected when the walk ends, however it ends: nothing is drawn in between, and
    // selecting every row of a long list one by one would cost more than the walk itself.
    class Walk {
    public:
        explicit Walk(TShellListView& view) : view_(view) { view_.walking_ = true; }
        ~Walk();
        // The walk's selection is dropped: the list keeps the one it had before the walk.
        void discard() { view_.walkSelection_ = -2; }
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;

    private:
        TShellListView& view_;
    };

    ItemSource& source() { return model_.source(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TListItems;
    void enumerate();

    ShellListModel model_;
    TListItems items_;
    TListItem row_;
    std::vector<TShellFolder> folders_;
    QString root_ = QString::fromLatin1(RecycleBinRoot);
    bool walking_ = false;
    int walkSelection_ = -2; // -2: the walk selected nothing
};

} // namespace velmora
