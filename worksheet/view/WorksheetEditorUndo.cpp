// Undo and redo that put the caret back on the line they changed. The document alone would leave
// it where its last piece of the step was made, which for an Enter that rewrote the result lines
// below is the end of the worksheet.
#include <QTextCursor>
#include <algorithm>

#include "worksheet/view/WorksheetEditor.h"

namespace numora {

// `undoStepsBefore` counts the steps there were when the group began; `joined`, the group
// reopened the last of them (a run of typing), whose selection before stays.
void WorksheetEditor::NoteStep(int undoStepsBefore, bool joined) {
    const int steps = document()->availableUndoSteps();
    StepCarets carets = groupCarets_;
    if (!joined && steps == undoStepsBefore) return;  // nothing changed: no step
    if (joined) {
        const auto old = stepCarets_.find(undoStepsBefore);
        if (old == stepCarets_.end()) return;
        carets.beforeAnchor = old->second.beforeAnchor;
        carets.beforeCaret = old->second.beforeCaret;
        stepCarets_.erase(old);
    }
    const QTextCursor caret = textCursor();
    carets.afterAnchor = caret.anchor();
    carets.afterCaret = caret.position();
    stepCarets_.erase(stepCarets_.lower_bound(steps), stepCarets_.end());
    stepCarets_[steps] = carets;
}

void WorksheetEditor::Undo() { StepHistory(true); }

void WorksheetEditor::Redo() { StepHistory(false); }

void WorksheetEditor::StepHistory(bool undo) {
    QTextDocument& doc = *document();
    if (undo ? !doc.isUndoAvailable() : !doc.isRedoAvailable()) return;
    EndTypedRun();
    const int before = doc.availableUndoSteps();
    // The editor's own caret follows the change as any edit moves it; the caret comes to its
    // place once, so the view scrolls at most once, and only as far as it must.
    if (undo) {
        doc.undo();
    } else {
        doc.redo();
    }
    const auto known = stepCarets_.find(undo ? before : doc.availableUndoSteps());
    QTextCursor cursor = textCursor();
    if (known != stepCarets_.end()) {
        const StepCarets& carets = known->second;
        const int length = doc.characterCount() - 1;
        const auto clamp = [length](int p) { return std::clamp(p, 0, length); };
        cursor.setPosition(clamp(undo ? carets.beforeAnchor : carets.afterAnchor));
        cursor.setPosition(clamp(undo ? carets.beforeCaret : carets.afterCaret),
                           QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace numora
