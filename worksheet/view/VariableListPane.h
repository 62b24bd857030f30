#pragma once
// The "変数リスト" pane: a header with a close button above the variable list.
#include <QWidget>

#include "engine/CalcEngine.h"
#include "worksheet/VariableList.h"

namespace numora {

class VariableListBox;

class VariableListPane : public QWidget {
    Q_OBJECT
public:
    explicit VariableListPane(QWidget* parent = nullptr);

    // The engine whose variables Delete removes.
    void SetEngine(CalcEngine* engine);
    // After a successful line: "%s=%s" entries of the assigned names, in sort order.
    void Refresh(const CalcEngine& engine);
    // After result lines were calculated again (VariableListModel::Follow).
    void Follow(const std::vector<LineAssignment>& lines, bool fromTop, const CalcEngine& engine,
                const std::vector<std::u16string>& takenBack);
    VariableListBox* List() const { return list_; }

signals:
    // Double-click or Enter on an entry: its name, for insertion at the worksheet caret.
    void NameChosen(const QString& name);
    // Delete removed the variable from the engine.
    void VariableDeleted(const QString& name);
    void CloseRequested();

private:
    VariableListBox* list_;
};

}  // namespace numora
