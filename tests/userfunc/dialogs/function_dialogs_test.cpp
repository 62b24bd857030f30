#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/dialogs/CFunctionDlg.h"
#include "userfunc/dialogs/FunctionListView.h"

namespace numora {
namespace {

using test::ScriptedPrompter;

struct FunctionDialogs : ::testing::Test {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    UserFunctionCatalogue catalogue;
    std::vector<FunctionFields> edits;  // what the next edit dialogs get typed into them

    FunctionDialogs() {
        test::App();
        AddUserFunction(catalogue, u"area", u"w;h", u"w*h", u"面積");
        AddUserFunction(catalogue, u"LogN", u"base;x", u"log(x)/log(base)", u"");
        AddUserFunction(catalogue, u"sq", u"x", u"x*x", u"");
    }
    std::filesystem::path Folder() const { return dir.path().toStdString(); }

    std::unique_ptr<CFunctionDlg> Open() {
        auto dlg = std::make_unique<CFunctionDlg>(catalogue, Folder(), QFont());
        dlg->SetEditor([this](CFunctionEditDlg& editor) {
            if (edits.empty()) return false;
            const FunctionFields f = edits.front();
            edits.erase(edits.begin());
            // A null field keeps what the dialog was opened with.
            const std::pair<QLineEdit*, QString> typed[] = {{editor.NameEdit(), f.FuncName},
                                                            {editor.ParameterEdit(), f.Parameter},
                                                            {editor.ExpressionEdit(), f.Expression},
                                                            {editor.ExplainEdit(), f.Explain}};
            for (const auto& [edit, text] : typed) {
                if (!text.isNull()) edit->setText(text);
            }
            editor.accept();
            return editor.result() == QDialog::Accepted;
        });
        dlg->show();
        return dlg;
    }
    static QString Names(const CFunctionDlg& dlg) {
        QStringList names;
        for (int row = 0; row < dlg.List()->topLevelItemCount(); ++row) {
            names << dlg.List()->topLevelItem(row)->text(0);
        }
        return names.join(' ');
    }
    static void Select(CFunctionDlg& dlg, int row) {
        dlg.List()->setCurrentItem(dlg.List()->topLevelItem(row));
    }
    QByteArray FileBytes() const {
        QFile file(dir.filePath("UserFunction.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
};

TEST_F(FunctionDialogs, EditChecksInOrder) {
    const QString forbidden = "+ - * / % ^ ( ) Space";
    const struct {
        FunctionFields typed;
        QString nameOnEntry;
        QString message;  // empty: accepted
    } cases[] = {
        {{"", "x", "1", ""}, "", "関数名を入力してください"},
        {{"f", " ", "1", ""}, "", "引数を入力してください"},
        {{"f", "x", "\t", ""}, "", "式を入力してください"},
        {{"LOGN", "x", "1", ""}, "", "同じ名前の関数が既にあります"},
        {{"Date", "x", "1", ""}, "", "同じ名前の関数が既にあります"},
        {{"sQ", "x", "1", ""}, "area", "同じ名前の関数が既にあります"},
        {{"Area", "x", "1", ""}, "area", ""},  // its own name in another case
        {{"f g", "x", "1", ""}, "", "関数名に使用できない文字があります : " + forbidden},
        {{"2x", "x", "1", ""}, "", "関数名の先頭は数字を使用できません"},
        {{"ｆ", "x", "1", ""}, "", "関数名は半角英数のみです"},
        {{"f", "base; x", "1", ""}, "", "パラメータに使用できない文字があります : " + forbidden},
        {{"f", "x;2y", "1", ""}, "", "パラメータ文字の先頭に数字を使用できません"},
        {{"f", "x;ｙ", "1", ""}, "", "パラメータは半角英数のみです"},
        {{"f_1.a", "base;x", "x", ""}, "", ""},
    };
    auto dlg = Open();
    for (const auto& c : cases) {
        prompter.messages.clear();
        FunctionFields entry{c.nameOnEntry, "", "", ""};
        CFunctionEditDlg editor(entry, [&](const QString& n) { return dlg->NameIsFree(n); });
        editor.NameEdit()->setText(c.typed.FuncName);
        editor.ParameterEdit()->setText(c.typed.Parameter);
        editor.ExpressionEdit()->setText(c.typed.Expression);
        editor.accept();
        if (c.message.isEmpty()) {
            EXPECT_EQ(editor.result(), QDialog::Accepted) << c.typed.FuncName.toStdString();
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u) << c.typed.FuncName.toStdString();
            EXPECT_EQ(prompter.messages[0].text, c.message);
            EXPECT_EQ(prompter.messages[0].title, "入力エラー");
            EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
            EXPECT_NE(editor.result(), QDialog::Accepted);
        }
    }
}

TEST_F(FunctionDialogs, RowCommandsThenOkStoreCatalogueAndFile) {
    auto dlg = Open();
    edits = {
        {" cube ", " x ", " x^3 ", " 立方 "}, {"Sq2", {}, {}, {}}, {"Box", "a;b;c", "a*b*c", ""}};
    dlg->Add();  // appended: area LogN sq cube
    Select(*dlg, 2);
    dlg->Duplicate();  // below sq, keeping its parameter and expression
    Select(*dlg, 0);
    dlg->Edit();  // area becomes Box
    Select(*dlg, 4);
    dlg->Delete();  // cube, the last row: nothing selected afterwards
    EXPECT_TRUE(dlg->List()->selectedItems().isEmpty());
    EXPECT_EQ(Names(*dlg), "Box LogN sq Sq2");
    Select(*dlg, 1);
    dlg->Delete();  // the row now at index 1 is selected
    EXPECT_EQ(dlg->List()->currentItem()->text(0), "sq");
    dlg->accept();

    EXPECT_EQ(FileBytes(), "Box\ta;b;c\ta*b*c\t\r\nsq\tx\tx*x\t\r\nSq2\tx\tx*x\t\r\n");
    ASSERT_EQ(catalogue.Size(), 3u);
    EXPECT_EQ(catalogue.Find(u"sq2"), 2);
    EXPECT_TRUE(prompter.messages.empty());
}

// A row just added, at the end or below the selected one, is scrolled into view in a list longer
// than the dialog shows.
TEST_F(FunctionDialogs, RowJustMadeIsScrolledIntoView) {
    for (int i = 0; i < 40; ++i) {
        const std::u16string name = u"g" + QString::number(i).toStdU16String();
        AddUserFunction(catalogue, name, u"x", u"x", u"");
    }
    const auto shown = [](CFunctionDlg& dlg, int row) {
        QTreeWidget& list = *dlg.List();
        return list.visualItemRect(list.topLevelItem(row)).intersects(list.viewport()->rect());
    };
    auto dlg = Open();
    QApplication::processEvents();
    const int last = dlg->List()->topLevelItemCount() - 1;
    ASSERT_FALSE(shown(*dlg, last));
    edits = {{"added", "x", "x", ""}, {"copied", {}, {}, {}}};
    dlg->Add();
    EXPECT_TRUE(shown(*dlg, last + 1));
    // The first row's copy goes below it, out of view once the list has scrolled to its end.
    Select(*dlg, 0);
    dlg->List()->scrollToItem(dlg->List()->topLevelItem(last + 1));
    dlg->Duplicate();
    EXPECT_EQ(dlg->List()->topLevelItem(1)->text(0), "copied");
    EXPECT_TRUE(shown(*dlg, 1));
}

TEST_F(FunctionDialogs, FailedWriteIsReportedAndRowsKept) {
    CFunctionDlg dlg(catalogue, Folder() / "missing" / "folder", QFont());
    dlg.List()->MoveRow(2, 0);
    dlg.accept();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(catalogue.At(0).FuncName, u"sq");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(FunctionDialogs, CancelAsksOnlyAfterChanges) {
    const struct {
        const char* change;
        QMessageBox::StandardButton answer;
        bool closed;
    } cases[] = {
        {"none", QMessageBox::NoButton, true},
        {"add", QMessageBox::No, false},
        {"add", QMessageBox::Yes, true},
        {"drag", QMessageBox::Yes, true},
    };
    for (const auto& c : cases) {
        prompter.messages.clear();
        prompter.answers = {c.answer};
        auto dlg = Open();
        if (std::string(c.change) == "add") {
            edits = {{"g", "x", "x", ""}};
            dlg->Add();
        } else if (std::string(c.change) == "drag") {
            // Drag row 0 below row 1 with the mouse.
            QWidget* view = dlg->List()->viewport();
            const QPoint from = dlg->List()->visualItemRect(dlg->List()->topLevelItem(0)).center();
            const QRect target = dlg->List()->visualItemRect(dlg->List()->topLevelItem(2));
            // Plain events: QTest's own mouse device outlives the shared QApplication.
            auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton button,
                               Qt::MouseButtons held) {
                QMouseEvent event(type, at, view->mapToGlobal(at), button, held, {});
                QApplication::sendEvent(view, &event);
            };
            send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
            send(QEvent::MouseMove, target.center(), Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(dlg->List()->InsertionRow(), 2);
            send(QEvent::MouseButtonRelease, target.center(), Qt::LeftButton, Qt::NoButton);
            EXPECT_EQ(Names(*dlg), "LogN area sq");
        }
        dlg->reject();
        EXPECT_EQ(prompter.messages.size(), std::string(c.change) == "none" ? 0u : 1u);
        if (!prompter.messages.empty()) {
            EXPECT_EQ(prompter.messages[0].title, "確認");
            EXPECT_EQ(prompter.messages[0].text,
                      "データが変更されています。保存せずに閉じてもよろしいですか？");
        }
        EXPECT_EQ(dlg->isVisible(), !c.closed) << c.change;
        EXPECT_EQ(catalogue.Size(), 3u);
        EXPECT_EQ(FileBytes(), "<none>");
    }
}

}  // namespace
}  // namespace numora
