// The trash list's view: selection, scrolling and the VCL-style accessors.
#include "ui/main/ShellListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "core/Errors.h"
#include "platform/QtText.h"

namespace velmora {

namespace {
// Restores the wait cursor's predecessor when an enumeration ends, however it ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
} // namespace

// ---- TShellFolder

QString TShellFolder::DisplayName() const {
    return source_->displayName(index_);
}
QString TShellFolder::PathName() const {
    return source_->pathName(index_);
}
bool TShellFolder::IsFolder() const {
    return source_->isFolder(index_);
}
QStringList TShellFolder::Details() const {
    return source_->details(index_);
}

// ---- TStrings, TListItems

const QString& TStrings::operator[](int index) const {
    if (index < 0 || index >= texts_.size())
        throw ListIndexError(index);
    return texts_[index];
}

int TListItems::Count() const {
    return static_cast<int>(view_.folders_.size());
}

TListItem& TListItems::operator[](int index) {
    TShellFolder* folder = view_.Folders(index);
    TListItem& row = view_.row_;
    row.Index = index;
    row.Caption.clear();
    row.SubItems.Assign(view_.model_.subItems(folder->Index()));
    return row;
}

// ---- TShellListView

TShellListView::TShellListView(std::unique_ptr<ItemSource> source, QWidget* parent)
    : QTreeView(parent), model_(std::move(source)), items_(*this) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true); // headers behave as buttons; a click sorts nothing

    // The selection stays visible when the list loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    setModel(&model_);
    enumerate();
}

TShellListView::~TShellListView() = default;

void TShellListView::enumerate() {
    WaitCursor wait;
    folders_.clear();
    model_.enumerate(fontMetrics().horizontalAdvance(QLatin1Char('X')));
    const int count = model_.rowCount();
    folders_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        folders_.emplace_back(&model_.source(), i);
    // Widths return to their defaults at every re-read.
    for (int c = 0; c < model_.columns().size(); ++c)
        header()->resizeSection(c, model_.columnWidth(c));
}

TShellFolder* TShellListView::Folders(int index) {
    if (index < 0 || index >= static_cast<int>(folders_.size()))
        throw ListIndexError(index);
    return &folders_[static_cast<std::size_t>(index)];
}

int TShellListView::ItemIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TShellListView::SetItemIndex(int index) {
    if (index < 0) {
        selectionModel()->clearSelection();
        return;
    }
    if (index >= rowCount())
        return;
    // The row becomes selected and focused; the list keeps its scroll position.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(model_.index(index, 0), QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    setAutoScroll(scrolls);
}

void TShellListView::SetSelected(int index) {
    if (index < 0 || index >= rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->select(model_.index(index, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

TShellFolder* TShellListView::SelectedFolder() {
    const int index = ItemIndex();
    return index < 0 ? nullptr : Folders(index);
}

void TShellListView::SetRoot(const QString& root) {
    if (root.compare(root_, Qt::CaseInsensitive) == 0)
        return;
    root_ = root;
    enumerate();
}

void TShellListView::Refresh() {
    const int remembered = ItemIndex();
    selectionModel()->clearSelection();
    enumerate();
    if (remembered >= 0 && remembered < rowCount())
        SetItemIndex(remembered);
}

void TShellListView::Scroll(ScrollCode code, int times) {
    // One step at a time would redraw the list at every row; the bar stops at its ends either way.
    QScrollBar* bar = verticalScrollBar();
    const qint64 value = bar->value();
    switch (code) {
    case SB_TOP:
        bar->setValue(bar->minimum());
        break;
    case SB_LINEDOWN:
        bar->setValue(static_cast<int>(std::min<qint64>(value + times, bar->maximum())));
        break;
    case SB_LINEUP:
        bar->setValue(static_cast<int>(std::max<qint64>(value - times, bar->minimum())));
        break;
    }
}

int TShellListView::rowCount() const {
    return static_cast<int>(folders_.size());
}

void TShellListView::setItemIndex(int row) {
    if (walking_)
        walkSelection_ = row;
    else
        SetItemIndex(row);
}

TShellListView::Walk::~Walk() {
    view_.walking_ = false;
    if (view_.walkSelection_ != -2)
        view_.SetItemIndex(view_.walkSelection_);
    view_.walkSelection_ = -2;
}

Text TShellListView::subItemText(int row, int subItem) const {
    if (row < 0 || row >= rowCount())
        throw ListIndexError(row);
    const std::optional<QString> text = model_.subItemText(row, subItem);
    if (!text)
        throw ListIndexError(subItem);
    return toText(*text);
}

void TShellListView::keyPressEvent(QKeyEvent* event) {
    // Enter, Backspace and F5 open nothing and re-read nothing.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_F5:
        event->accept();
        return;
    default:
        QTreeView::keyPressEvent(event);
    }
}

} // namespace velmora
