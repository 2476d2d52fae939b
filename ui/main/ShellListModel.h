// The trash list's model: it owns the item source and the list's columns, and gives the rows of
// the last enumeration, their texts produced when asked.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/ItemSource.h"

namespace velmora {

class ShellListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ShellListModel(std::unique_ptr<ItemSource> source, QObject* parent = nullptr);
    ~ShellListModel() override;

    ItemSource& source() const { return *source_; }
    // Re-reads the source and its columns; charWidth is the width of "X" in the list's font, the
    // unit of the columns' default widths.
    void enumerate(int charWidth);
    // The list's columns: the source's, without empty or repeated headings.
    const QList<ColumnInfo>& columns() const { return columns_; }
    // The default width in pixels of column c, a valid column.
    int columnWidth(int c) const { return charWidth_ * columns_[c].widthChars; }
    // The texts of a valid row's columns 1 onwards, one a column whatever the source gave.
    QStringList subItems(int row) const;
    // Sub-item subItem of subItems(row) alone; none outside them.
    std::optional<QString> subItemText(int row, int subItem) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rebuildColumns(int charWidth);
    QIcon iconFor(int row) const;

    std::unique_ptr<ItemSource> source_;
    QList<ColumnInfo> columns_;
    int charWidth_ = 0;
    int rows_ = 0;
    mutable QHash<QString, QIcon> icons_;
};

} // namespace velmora
