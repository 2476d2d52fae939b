// Every window of the program over a small fake trash, open as a user meets them: the main
// window, the analysis, about, Find and properties dialogs and the progress window.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "FakeItemSource.h"
#include "TestHelpers.h"
#include "core/FormatSettings.h"
#include "core/Purge.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/PurgeProgressWindow.h"
#include "ui/main/Unit1.h"

namespace velmora::test {

inline std::vector<FakeItem> everyWindowItems() {
    std::vector<FakeItem> items{trashItem("报告.txt", "2020/10/1 10:00", "1,234 KB"),
                                trashItem("照片", "2020/9/1 10:00", "3.5 MB"),
                                trashItem("notes.md", "2020/11/20 10:00", "4 KB")};
    items[1].folder = true;
    return items;
}

struct EveryWindow {
    EveryWindow() {
        setFormatSettings(FormatSettings{});
        auto owned = std::make_unique<FakeItemSource>(everyWindowItems());
        source = owned.get();
        form = std::make_unique<TForm1>(std::move(owned), [] { return date(2020, 11, 27); });
        about = std::make_unique<TfrmAbout>(form.get());
        analyze = std::make_unique<TfrmAnalyze>(form.get());
        frmAbout = about.get();
        frmAnalyze = analyze.get();
    }
    ~EveryWindow() {
        frmAbout = nullptr;
        frmAnalyze = nullptr;
    }

    // Shows every window, each filled as its handler fills it, and returns them.
    std::vector<QWidget*> showAll() {
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        analyze->StrMsg =
            QStringLiteral("回收站中有 30 天前删除文件或文件夹：2项\r合计占用空间：5MB");
        analyze->ISpacePart = 4.71;
        analyze->show();
        about->show();
        form->FindDialog1->show();
        form->FindDialog1->FindText->setText(QStringLiteral("报告"));
        properties = std::make_unique<TfrmProperties>(
            form.get(), QStringLiteral("报告.txt"),
            QList<PropertyField>{
                {QStringLiteral("edtName"), QStringLiteral("名称"), QStringLiteral("报告.txt")},
                {QStringLiteral("edtSize"), QStringLiteral("大小"), QStringLiteral("1,234 KB")}});
        properties->show();
        progress = std::make_unique<PurgeProgressWindow>(form.get(), QStringLiteral("正在清除…"),
                                                         40, removal);
        progress->show();
        std::vector<QWidget*> all{form.get(),        analyze.get(),    about.get(),
                                  form->FindDialog1, properties.get(), progress.get()};
        for (QWidget* w : all)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w)) << w->objectName().toStdString();
        return all;
    }

    FakeItemSource* source;
    std::unique_ptr<TForm1> form;
    // Destroyed before their owner.
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmAnalyze> analyze;
    std::unique_ptr<TfrmProperties> properties;
    RemovalProgress removal;
    std::unique_ptr<PurgeProgressWindow> progress;
};

} // namespace velmora::test
