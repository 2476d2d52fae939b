#include "ui/main/ShellListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include "core/Errors.h"

namespace velmora {

namespace {
Text toText(const QString& s) {
    return Text(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

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
    QStringList texts = folder->Details();
    // One text for every column but the first, whatever the source gave.
    const int wanted = std::max(0, static_cast<int>(view_.columns_.size()) - 1);
    texts = texts.mid(0, wanted);
    row.SubItems.Assign(texts);
    return row;
}

// ---- ShellListModel

ShellListModel::ShellListModel(TShellListView& view) : view_(view) {}

int ShellListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(view_.folders_.size());
}

int ShellListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(view_.columns_.size());
}

QVariant ShellListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return view_.source_->displayName(row);
        else {
            const QStringList details = view_.source_->details(row);
            return column - 1 < details.size() ? details[column - 1] : QString();
        }
    case Qt::DecorationRole:
        return column == 0 ? QVariant(iconFor(row)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(view_.columns_[column].Alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ShellListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= view_.columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return view_.columns_[section].Caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(view_.columns_[section].Alignment | Qt::AlignVCenter);
    return {};
}

QIcon ShellListModel::iconFor(int row) const {
    const bool folder = view_.source_->isFolder(row);
    const QString name = view_.source_->iconName(row);
    const QString key = (folder ? QStringLiteral("d:") : QStringLiteral("f:")) + name;
    auto it = icons_.find(key);
    if (it == icons_.end()) {
        const QIcon fallback =
            view_.style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
        it = icons_.insert(key, QIcon::fromTheme(name, fallback));
    }
    return *it;
}

// ---- TShellListView

TShellListView::TShellListView(std::unique_ptr<ItemSource> source, QWidget* parent)
    : QTreeView(parent), source_(std::move(source)), model_(*this), items_(*this) {
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
    model_.beginReset();
    folders_.clear();
    source_->enumerate();
    const int count = source_->count();
    folders_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        folders_.emplace_back(source_.get(), i);
    rebuildColumns();
    model_.endReset();
    // Widths return to their defaults at every re-read.
    for (int c = 0; c < columns_.size(); ++c)
        header()->resizeSection(c, columns_[c].Width);
}

void TShellListView::rebuildColumns() {
    columns_.clear();
    const int x = fontMetrics().horizontalAdvance(QLatin1Char('X'));
    QStringList seen;
    for (const ColumnInfo& info : source_->columns()) {
        // An empty heading, or one already added, adds no column.
        if (info.heading.isEmpty() || seen.contains(info.heading, Qt::CaseInsensitive))
            continue;
        seen.append(info.heading);
        columns_.append({info.heading, info.alignment, info.widthChars * x});
    }
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

void TShellListView::Scroll(ScrollCode code) {
    QScrollBar* bar = verticalScrollBar();
    switch (code) {
    case SB_TOP:
        bar->setValue(bar->minimum());
        break;
    case SB_LINEDOWN:
        bar->setValue(bar->value() + 1);
        break;
    case SB_LINEUP:
        bar->setValue(bar->value() - 1);
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
    auto& self = const_cast<TShellListView&>(*this);
    return toText(self.items_[row].SubItems[subItem]);
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
