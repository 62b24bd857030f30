#include "worksheet/WorksheetDriver.h"

#include <algorithm>
#include <string>

#include "worksheet/LineText.h"

namespace numora {

WorksheetDriver::WorksheetDriver(TextBuffer& buffer, LineEvaluator& evaluator)
    : buffer_(buffer), evaluator_(evaluator) {}

void WorksheetDriver::PressEnter(bool shift, bool ctrl) {
    m_bResultInserted = false;
    m_nColorLine = buffer_.LineFromPosition(buffer_.CaretLineStart());
    if (m_bCalcOn && !ctrl && CalculateLine(shift)) return;
    RunInEditGroup([this] { buffer_.ReplaceSelection(u"\n"); });
}

void WorksheetDriver::ForgetLastEnter() {
    m_bResultInserted = false;
    m_nColorLine = -1;
}

void WorksheetDriver::ToggleOverwriteCaret() {
    m_bOverwrite = !m_bOverwrite;
    buffer_.SetCaretType(m_bOverwrite ? CaretType::Block : CaretType::Normal);
}

void WorksheetDriver::DispatchInEditGroup(const std::function<void()>& dispatch) {
    ForgetLastEnter();
    RunInEditGroup(dispatch);
}

void WorksheetDriver::RunInEditGroup(const std::function<void()>& dispatch) {
    OpenEditGroup();
    dispatch();
    EndEditGroup();
}

void WorksheetDriver::BeginEditGroup() {
    ForgetLastEnter();
    OpenEditGroup();
}

void WorksheetDriver::OpenEditGroup() {
    if (m_bEditGroupOpen) return;
    buffer_.BeginUndoGroup();
    buffer_.SuspendRedraw();
    buffer_.HideSelection();
    m_bEditGroupOpen = true;
}

void WorksheetDriver::EndEditGroup() {
    if (!m_bEditGroupOpen || m_bReplacing) return;
    buffer_.EndUndoGroup();
    buffer_.ResumeRedraw();
    buffer_.ShowSelection();
    m_bEditGroupOpen = false;
}

void WorksheetDriver::InsertAtCaret(std::u16string_view text) {
    if (text.empty()) return;
    ForgetLastEnter();
    OpenEditGroup();
    buffer_.ReplaceSelection(text);
    buffer_.FocusEditor();
    EndEditGroup();
}

bool WorksheetDriver::CalculateLine(bool shift) {
    const std::int32_t lineStart = buffer_.CaretLineStart();
    if (buffer_.LineLengthAt(lineStart) == 0) {
        m_nColorLine = -1;
        return false;  // an empty line: the editor inserts an ordinary line break
    }
    OpenEditGroup();
    Paragraph paragraph = GetParagraph(buffer_, lineStart);
    const std::int32_t paraEnd = paragraph.start + paragraph.length;

    // The result goes on the visual line after the paragraph's last one. The last paragraph
    // has no such line yet: the insertion then starts with a line break of its own.
    const std::int32_t endLine = buffer_.LineFromPosition(paraEnd);
    m_nColorLine = endLine + 1;
    std::int32_t nextStart = -1;
    std::u16string insertText;
    if (paraEnd >= buffer_.TextLength()) {
        insertText += u'\n';
    } else {
        nextStart = buffer_.LineStart(m_nColorLine);
    }

    std::u16string& text = paragraph.text;
    const std::int32_t removed =
        PrepareLineText(text, IsInsertMode(m_bEnterComputesResultLine, shift));
    const LineKind kind = KindOfLine(text);

    if (kind == LineKind::Result) {
        // Copy the content after one '>' to a new line below and leave the caret at its end;
        // an old result line below is pushed down, not replaced.
        m_bResultInserted = true;
        text.erase(0, 1);
        insertText += text;
        insertText += u'\n';
        buffer_.SetSelection(nextStart, nextStart);
        buffer_.ReplaceSelection(insertText);
        const std::int32_t caret =
            buffer_.LineStart(m_nColorLine) + static_cast<std::int32_t>(text.size());
        buffer_.SetSelection(caret, caret);
        EndEditGroup();
        return true;
    }

    if (kind == LineKind::Empty) {
        EndEditGroup();
        if (nextStart == -1) {
            buffer_.SetSelection(paraEnd, paraEnd);
            return false;  // the editor adds a line break after the paragraph
        }
        buffer_.SetSelection(nextStart, nextStart);
        return true;
    }

    std::int32_t errorPosition = 0;
    evaluator_.Locate(buffer_, paragraph.start, text);
    const int status = evaluator_.Evaluate(text, errorPosition);
    const bool resultBelow = nextStart != -1 && buffer_.CharAt(nextStart) == u'>';
    insertText += u'>';
    insertText += evaluator_.MessageText();
    insertText += u'\n';
    m_bResultInserted = true;
    if (resultBelow) {
        // Replace the old result paragraph together with its line break.
        buffer_.SetSelection(nextStart, GetParagraphEnd(buffer_, nextStart) + 1);
    } else {
        buffer_.SetSelection(nextStart, nextStart);
    }
    buffer_.ReplaceSelection(insertText);
    evaluator_.Written(buffer_, status);
    if (status != 0 && !evaluator_.InputWaiting()) {
        // On the offending character of the source line, which the edit below left in place.
        // Kept inside the source paragraph whatever position the evaluator reports.
        const std::int32_t caret =
            std::clamp(paragraph.start + removed + errorPosition, paragraph.start, paraEnd);
        buffer_.SetSelection(caret, caret);
    }
    EndEditGroup();
    if (status == 0 && onCalculated_) onCalculated_();
    return true;
}

}  // namespace numora
