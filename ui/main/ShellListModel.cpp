// The trash list's model: the source, the columns, the rows and their texts.
#include "ui/main/ShellListModel.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace velmora {

ShellListModel::ShellListModel(std::unique_ptr<ItemSource> source, QObject* parent)
    : QAbstractTableModel(parent), source_(std::move(source)) {}

ShellListModel::~ShellListModel() = default;

void ShellListModel::enumerate(int charWidth) {
    beginResetModel();
    rows_ = 0;
    source_->enumerate();
    rows_ = source_->count();
    rebuildColumns(charWidth);
    endResetModel();
}

void ShellListModel::rebuildColumns(int charWidth) {
    columns_.clear();
    charWidth_ = charWidth;
    QStringList seen;
    for (const ColumnInfo& info : source_->columns()) {
        // An empty heading, or one already added, adds no column.
        if (info.Caption.isEmpty() || seen.contains(info.Caption, Qt::CaseInsensitive))
            continue;
        seen.append(info.Caption);
        columns_.append(info);
    }
}

QStringList ShellListModel::subItems(int row) const {
    const auto wanted = std::max<qsizetype>(0, columns_.size() - 1);
    return source_->details(row).mid(0, wanted);
}

std::optional<QString> ShellListModel::subItemText(int row, int subItem) const {
    const auto wanted = std::max<qsizetype>(0, columns_.size() - 1);
    if (subItem < 0 || subItem >= wanted)
        return std::nullopt;
    return source_->detailText(row, subItem);
}

int ShellListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ShellListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ShellListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return source_->displayName(row);
        return source_->detailText(row, column - 1).value_or(QString());
    case Qt::DecorationRole:
        return column == 0 ? QVariant(iconFor(row)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columns_[column].alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ShellListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].Caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns_[section].alignment | Qt::AlignVCenter);
    return {};
}

QIcon ShellListModel::iconFor(int row) const {
    const bool folder = source_->isFolder(row);
    const QString name = source_->iconName(row);
    const QString key = (folder ? QStringLiteral("d:") : QStringLiteral("f:")) + name;
    auto it = icons_.find(key);
    if (it == icons_.end()) {
        const QIcon fallback =
            QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
        it = icons_.insert(key, QIcon::fromTheme(name, fallback));
    }
    return *it;
}

} // namespace velmora
