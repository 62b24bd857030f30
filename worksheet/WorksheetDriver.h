#pragma once
// The Enter-key calculation driver: evaluates the paragraph under the caret and writes its
// result line below it, each Enter one undo step. The view forwards keys here and reads the
// flags afterwards to colour what changed.
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "worksheet/LineEvaluator.h"
#include "worksheet/TextBuffer.h"

namespace numora {

class WorksheetDriver {
public:
    WorksheetDriver(TextBuffer& buffer, LineEvaluator& evaluator);
    WorksheetDriver(const WorksheetDriver&) = delete;
    WorksheetDriver& operator=(const WorksheetDriver&) = delete;

    // Option bit EnterComputesResultLine: Enter on a result line calculates its content
    // instead of copying it to a new line.
    void SetEnterComputesResultLine(bool on) { m_bEnterComputesResultLine = on; }
    bool EnterComputesResultLine() const { return m_bEnterComputesResultLine; }
    // While off, Enter only inserts line breaks.
    void SetCalcOn(bool on) { m_bCalcOn = on; }
    bool CalcOn() const { return m_bCalcOn; }
    // Called after each successful calculation, once its undo group is closed.
    void SetCalculatedHandler(std::function<void()> handler) { onCalculated_ = std::move(handler); }

    // Enter pressed (key-down). Calculates, or inserts a plain line break when calculation is
    // off, Ctrl is held or the line does not calculate.
    void PressEnter(bool shift, bool ctrl);
    // The Insert key: flips overwrite mode and shows it as a block caret.
    void ToggleOverwriteCaret();

    // Every other edit enters through one of these three. Each starts a new edit, so the
    // colouring that closes its undo step is about the edited paragraphs, never about a line
    // the last Enter inserted.
    // Runs one keystroke's edit (and whatever colouring it triggers) as one undo step.
    void DispatchInEditGroup(const std::function<void()>& dispatch);
    // Replaces the selection by `text` as one undo step and focuses the editor.
    void InsertAtCaret(std::u16string_view text);
    void BeginEditGroup();
    // Does nothing while a replace-all keeps the group open.
    void EndEditGroup();
    void SetReplacing(bool on) { m_bReplacing = on; }
    bool Replacing() const { return m_bReplacing; }

    bool EditGroupOpen() const { return m_bEditGroupOpen; }
    bool Overwrite() const { return m_bOverwrite; }
    // The last Enter inserted a line (result line or copied content).
    bool ResultInserted() const { return m_bResultInserted; }
    // Visual line the last Enter inserted or split; -1 for none.
    std::int32_t ColorLine() const { return m_nColorLine; }

private:
    // The Enter action; returns true when the key was consumed.
    bool CalculateLine(bool shift);
    void ForgetLastEnter();
    void OpenEditGroup();
    void RunInEditGroup(const std::function<void()>& dispatch);

    TextBuffer& buffer_;
    LineEvaluator& evaluator_;
    std::function<void()> onCalculated_;

    bool m_bEnterComputesResultLine = false;
    bool m_bEditGroupOpen = false;
    bool m_bOverwrite = false;
    bool m_bReplacing = false;
    bool m_bCalcOn = true;
    bool m_bResultInserted = false;
    std::int32_t m_nColorLine = -1;
};

}  // namespace numora
