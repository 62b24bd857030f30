#pragma once
// The user function list: a working copy of the catalogue that the user edits, duplicates,
// deletes and reorders; OK stores it in the catalogue and in "UserFunction.dat".
#include <QDialog>
#include <filesystem>

#include "engine/UserFunctions.h"
#include "userfunc/dialogs/CFunctionEditDlg.h"

class QPushButton;
class QTreeWidgetItem;

namespace numora {

class FunctionListView;

class CFunctionDlg : public QDialog {
    Q_OBJECT
public:
    // `folder` holds "UserFunction.dat"; `listFont` is the worksheet's font.
    CFunctionDlg(UserFunctionCatalogue& catalogue, std::filesystem::path folder,
                 const QFont& listFont, QWidget* parent = nullptr);

    FunctionListView* List() const { return list_; }
    bool Modified() const { return modified_ || moved_; }
    // True when `name` is neither another row's name nor a built-in name, in any letter case.
    bool NameIsFree(const QString& name) const;

    // The commands; each edit opens CFunctionEditDlg through `editor`, which tests replace.
    void Add();
    void Edit();
    void Duplicate();
    void Delete();
    using Editor = std::function<bool(CFunctionEditDlg&)>;  // true on OK
    void SetEditor(Editor editor) { editor_ = std::move(editor); }

public slots:
    void accept() override;
    void reject() override;  // Cancel, Esc and the close box

private:
    bool RunEditor(FunctionFields& fields);
    int SelectedRow() const;
    QTreeWidgetItem* InsertRow(int row, const FunctionFields& fields);
    void UpdateButtons();

    UserFunctionCatalogue& catalogue_;
    std::filesystem::path folder_;
    FunctionListView* list_;
    QPushButton* delete_;
    QPushButton* duplicate_;
    Editor editor_;
    bool modified_ = false;
    bool moved_ = false;
};

}  // namespace numora
