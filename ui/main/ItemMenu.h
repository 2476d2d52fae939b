// The trash list's menu for the selected item (还原, 删除, 重命名, 属性) and the in-place edit of
// an item's name: what stands in for the shell's context menu of a trash item.
#pragma once

#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace velmora {

class TShellListView;
struct ItemProperties;
struct PropertyField;

// The menu of one item. 打开 has no place here: nothing in the trash is opened.
class ItemMenu : public QMenu {
    Q_OBJECT
public:
    // restorable: whether the item's original location is known (an orphan's is not).
    ItemMenu(QWidget* parent, bool restorable);

    QAction* ActRestore;
    QAction* ActDelete;
    QAction* ActRename;
    QAction* ActProperties;

protected:
    // F2 chooses 重命名, whether or not the shortcut reached the menu first.
    void keyPressEvent(QKeyEvent* event) override;
};

// The list's item commands. A right-click on a row, the menu key or Shift+F10 opens the menu of
// the selected row, only when there is one, and only one at a time; a chosen command runs once
// the menu has closed. A second click on the selected row's name, F2 or 重命名 starts the edit
// of its name: Enter or leaving the field ends it with its text, Escape cancels it. Only a
// successful 删除 re-reads the list; no command recomputes the totals.
class ItemCommands : public QObject {
    Q_OBJECT
public:
    // Watches the list's events; owned by the list.
    explicit ItemCommands(TShellListView& list);

    // Opens the selected row's menu at globalPos. False, and nothing opens, without a selected
    // row or while a menu is open.
    bool Popup(const QPoint& globalPos);
    // The open menu, or null.
    ItemMenu* Menu() const { return menu_; }

    // The commands, on the given row. 还原 and 删除 run off the GUI thread, with the purge's
    // progress window when they take a while (runWithProgressWindow); 删除 removes through
    // removePlan, like the purge.
    void Restore(int row);
    void Delete(int row);
    void StartRename(int row);
    void ShowProperties(int row);
    // The fields 属性 shows for an item, labelled in the interface's language.
    static QList<PropertyField> PropertyFields(const ItemProperties& p);

    // The field of the name being edited, or null.
    QLineEdit* Editor() const { return editor_; }
    // Ends the edit: with the field's text when keepText, cancelled otherwise.
    void EndRename(bool keepText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint selectedRowPoint() const;
    void runCommand(void (ItemCommands::*command)(int), int row);
    void rename(int row, const QString& text);
    void placeEditor();

    TShellListView& list_;
    QPointer<ItemMenu> menu_;
    QPointer<QLineEdit> editor_;
    int editRow_ = -1;
    QString editName_;
    // The second click on a selected row's name starts the edit once a double-click can no
    // longer follow.
    QTimer renameTimer_;
    int pressedRow_ = -1;
    int pendingRow_ = -1;
};

} // namespace velmora
