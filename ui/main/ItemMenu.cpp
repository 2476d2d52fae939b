// The item menu, its commands on the selected row, and the in-place edit of a name.
#include "ui/main/ItemMenu.h"

#include <limits>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/Errors.h"
#include "core/NumberRules.h"
#include "core/Purge.h"
#include "platform/QtText.h"
#include "platform/SourceRows.h"
#include "ui/common/HandlerGuard.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/main/ItemBoxes.h"
#include "ui/main/PurgeProgressWindow.h"
#include "ui/main/ShellListView.h"

namespace velmora {

namespace {
// The count that picks a plural form: the number itself, or for one beyond int a number with
// the same last six digits, which is all that any language's plural rules look at.
int pluralCount(qint64 count) {
    return count <= std::numeric_limits<int>::max() ? int(count)
                                                    : int(count % 1'000'000 + 1'000'000);
}

// Digits grouped by ",", as the list writes its sizes, and 字节.
QString byteText(qint64 bytes) {
    bytes = std::max<qint64>(bytes, 0);
    const std::string digits = std::to_string(bytes);
    return QCoreApplication::translate("velmora::ItemCommands", "%1 字节", nullptr,
                                       pluralCount(bytes))
        .arg(toQString(groupThousands(digits, u",")));
}

// A file's name is edited without its extension selected, as file managers do.
qsizetype selectedLength(const QString& name, bool folder) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return folder || dot <= 0 ? name.size() : dot;
}
} // namespace

ItemMenu::ItemMenu(QWidget* parent, bool restorable) : QMenu(parent) {
    setObjectName(QStringLiteral("ItemMenu"));
    auto action = [this](const char* name, const QString& text) {
        QAction* a = addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    ActRestore = action("ActRestore", tr("还原"));
    ActRestore->setEnabled(restorable);
    addSeparator();
    ActDelete = action("ActDelete", tr("删除"));
    ActRename = action("ActRename", tr("重命名"));
    // F2 beside it, the list's own key for it, which also chooses it while the menu is open.
    ActRename->setShortcut(QKeySequence(Qt::Key_F2));
    ActRename->setShortcutContext(Qt::WidgetShortcut);
    ActRename->setShortcutVisibleInContextMenu(true);
    // A command chosen by its key closes the menu as a click does.
    connect(this, &QMenu::triggered, this, &QMenu::close);
    addSeparator();
    ActProperties = action("ActProperties", tr("属性"));
    setDefaultAction(ActRestore->isEnabled() ? ActRestore : nullptr);
}

void ItemMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && !(event->modifiers() & ~Qt::KeypadModifier) &&
        ActRename->isEnabled()) {
        event->accept();
        ActRename->trigger();
        return;
    }
    QMenu::keyPressEvent(event);
}

ItemCommands::ItemCommands(TShellListView& list) : QObject(&list), list_(list) {
    setObjectName(QStringLiteral("ItemCommands"));
    renameTimer_.setSingleShot(true);
    connect(&renameTimer_, &QTimer::timeout, this, guard([this] {
        if (pendingRow_ >= 0 && pendingRow_ == list_.ItemIndex())
            StartRename(pendingRow_);
        pendingRow_ = -1;
    }));
    connect(list_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeEditor(); });
    connect(list_.horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { placeEditor(); });
    list_.installEventFilter(this);
    list_.viewport()->installEventFilter(this);
}

QPoint ItemCommands::selectedRowPoint() const {
    const QRect rect = list_.visualRect(list_.model()->index(list_.ItemIndex(), 0));
    return list_.viewport()->mapToGlobal(
        QPoint(rect.left() + list_.iconSize().width(), rect.center().y()));
}

bool ItemCommands::Popup(const QPoint& globalPos) {
    const int row = list_.ItemIndex();
    if (row < 0 || menu_)
        return false;
    if (editor_)
        EndRename(true);
    auto* menu = new ItemMenu(&list_, list_.source().hasOriginalPath(row));
    menu_ = menu;
    // A command runs once the menu has closed, on the row the menu was opened for.
    connect(menu->ActRestore, &QAction::triggered, this,
            [this, row] { runCommand(&ItemCommands::Restore, row); });
    connect(menu->ActDelete, &QAction::triggered, this,
            [this, row] { runCommand(&ItemCommands::Delete, row); });
    connect(menu->ActRename, &QAction::triggered, this,
            [this, row] { runCommand(&ItemCommands::StartRename, row); });
    connect(menu->ActProperties, &QAction::triggered, this,
            [this, row] { runCommand(&ItemCommands::ShowProperties, row); });
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        menu->deleteLater();
        if (menu_ == menu)
            menu_ = nullptr;
    });
    menu->popup(globalPos);
    return true;
}

void ItemCommands::runCommand(void (ItemCommands::*command)(int), int row) {
    QTimer::singleShot(0, this, [this, command, row] {
        guarded([&] {
            if (row < list_.rowCount())
                (this->*command)(row);
        });
    });
}

void ItemCommands::Restore(int row) {
    ItemSource& source = list_.source();
    if (!source.hasOriginalPath(row))
        return;
    const QString name = source.displayName(row);
    // Off the GUI thread: a restore across file systems copies the whole item.
    RestoreOutcome outcome = RestoreOutcome::Failed;
    RemovalProgress progress;
    runWithProgressWindow(*list_.window(), {tr("正在还原…"), 1, false}, progress, [&] {
        outcome = source.restore(row);
        if (outcome == RestoreOutcome::Restored)
            progress.removed = 1;
        progress.finished = 1;
    });
    // The row stays until the next re-read, whatever the outcome.
    switch (outcome) {
    case RestoreOutcome::Restored:
        return;
    case RestoreOutcome::TargetExists:
        showErrorBox(list_.window(), tr("无法还原“%1”：原位置已存在同名项目。").arg(name));
        return;
    case RestoreOutcome::InvalidTarget:
        showErrorBox(list_.window(), tr("无法还原“%1”：原位置无效。").arg(name));
        return;
    case RestoreOutcome::NotThere:
    case RestoreOutcome::Failed:
        showErrorBox(list_.window(), tr("无法还原“%1”。").arg(name));
        return;
    }
}

void ItemCommands::Delete(int row) {
    const QString name = list_.source().displayName(row);
    if (!askQuestion(list_.window(), tr("确实要永久删除此项吗？\n\n%1").arg(name)))
        return;
    // As the purge: not on the word of a listing that failed, nor while another removal runs.
    const RemovalPermit permit = permitRemoval(list_.source());
    if (refuseRemoval(list_.window(), permit))
        return;
    // The purge's removal of a one-row plan, with its progress window when it takes a while.
    SourceRemover remover(list_.source());
    WindowRemovalRunner runner(*list_.window(), 1);
    const PurgeReport report = removePlan(rowPlan(row), remover, runner);
    // Part of an item that stayed may be gone: the list is read again all the same. So it is
    // when the item had gone or changed meanwhile (or was never started, cancelled at once):
    // the row no longer shows what is there.
    if (report.stayed > 0)
        showErrorBox(list_.window(), tr("无法完全删除“%1”。").arg(name));
    list_.Refresh();
}

void ItemCommands::StartRename(int row) {
    if (editor_)
        EndRename(true);
    if (row < 0 || row >= list_.rowCount())
        return;
    const QModelIndex index = list_.model()->index(row, 0);
    list_.scrollTo(index);
    editRow_ = row;
    editName_ = list_.source().displayName(row);
    auto* editor = new QLineEdit(editName_, list_.viewport());
    editor->setObjectName(QStringLiteral("NameEditor"));
    editor->setFont(list_.font());
    editor->setSelection(0, int(selectedLength(editName_, list_.source().isFolder(row))));
    editor->installEventFilter(this);
    editor_ = editor;
    placeEditor();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void ItemCommands::placeEditor() {
    if (!editor_)
        return;
    const QRect rect = list_.visualRect(list_.model()->index(editRow_, 0));
    const int indent = list_.iconSize().width() + 4;
    editor_->setGeometry(rect.left() + indent, rect.top(), std::max(60, rect.width() - indent),
                         rect.height());
}

void ItemCommands::EndRename(bool keepText) {
    if (!editor_)
        return;
    QLineEdit* editor = editor_;
    const QString text = editor->text();
    const int row = editRow_;
    editor_ = nullptr;
    editRow_ = -1;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (list_.isVisible())
        list_.setFocus(Qt::OtherFocusReason);
    if (keepText)
        guarded([&] { rename(row, text); });
}

void ItemCommands::rename(int row, const QString& text) {
    if (row < 0 || row >= list_.rowCount())
        return;
    // An unchanged name renames nothing: a name whose bytes are not UTF-8 is shown with
    // stand-ins that must not replace its bytes.
    if (text == editName_)
        return;
    ItemSource& source = list_.source();
    // An item that cannot be renamed keeps its name, and nothing is shown.
    const bool renamed = !source.hasOriginalPath(row) || source.rename(row, text);
    list_.viewport()->update();
    if (!renamed)
        throw RenameError(toText(text));
}

void ItemCommands::ShowProperties(int row) {
    const ItemProperties p = list_.source().properties(row);
    TfrmProperties dialog(list_.window(), p.name, PropertyFields(p));
    dialog.exec();
}

QList<PropertyField> ItemCommands::PropertyFields(const ItemProperties& p) {
    QList<PropertyField> fields{
        {QStringLiteral("edtName"), tr("名称"), p.name},
        {QStringLiteral("edtLocation"), tr("原位置"), p.originalFolder},
        {QStringLiteral("edtDeleted"), tr("删除日期"), p.deleted},
        {QStringLiteral("edtType"), tr("类型"), p.type},
        {QStringLiteral("edtSize"), tr("大小"), p.size},
        {QStringLiteral("edtOnDisk"), tr("占用空间"), byteText(p.bytesOnDisk)},
        {QStringLiteral("edtApparent"), tr("实际大小"), byteText(p.apparentBytes)},
    };
    if (p.folder)
        fields.append({QStringLiteral("edtContents"), tr("包含"),
                       tr("%1，%2").arg(tr("%n 个文件", nullptr, pluralCount(p.files)),
                                        tr("%n 个文件夹", nullptr, pluralCount(p.folders)))});
    fields.append({QStringLiteral("edtModified"), tr("修改日期"), p.modified});
    fields.append({QStringLiteral("edtStored"), tr("存储位置"), p.storedPath});
    return fields;
}

bool ItemCommands::eventFilter(QObject* watched, QEvent* event) {
    if (editor_ && watched == editor_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                EndRename(key != Qt::Key_Escape);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving the field ends the edit with its text; a menu or box opening over it
            // does not.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                EndRename(true);
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::ContextMenu: {
        auto* e = static_cast<QContextMenuEvent*>(event);
        guarded([&] {
            Popup(e->reason() == QContextMenuEvent::Mouse ? e->globalPos() : selectedRowPoint());
        });
        return true;
    }
    case QEvent::KeyPress: {
        if (watched != &list_)
            return false;
        auto* e = static_cast<QKeyEvent*>(event);
        const auto mods = e->modifiers() & ~Qt::KeypadModifier;
        if (e->key() == Qt::Key_Menu || (e->key() == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
            guarded([&] { Popup(selectedRowPoint()); });
            return true;
        }
        if (e->key() == Qt::Key_F2 && mods == Qt::NoModifier) {
            guarded([&] { StartRename(list_.ItemIndex()); });
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        if (watched != list_.viewport())
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        renameTimer_.stop();
        const QModelIndex index = list_.indexAt(e->position().toPoint());
        const QRect rect = list_.visualRect(index);
        // A click on the name of the row that was already selected.
        const bool onName = index.isValid() && index.column() == 0 &&
                            e->position().x() >= rect.left() + list_.iconSize().width();
        pressedRow_ = e->button() == Qt::LeftButton && e->modifiers() == Qt::NoModifier && onName &&
                              index.row() == list_.ItemIndex()
                          ? index.row()
                          : -1;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        if (watched != list_.viewport())
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        if (pressedRow_ >= 0 && list_.indexAt(e->position().toPoint()).row() == pressedRow_) {
            pendingRow_ = pressedRow_;
            renameTimer_.start(QApplication::doubleClickInterval());
        }
        pressedRow_ = -1;
        return false;
    }
    case QEvent::MouseButtonDblClick:
        renameTimer_.stop();
        pressedRow_ = pendingRow_ = -1;
        return false;
    default:
        return false;
    }
}

} // namespace velmora
