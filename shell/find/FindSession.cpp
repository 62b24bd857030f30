#include "shell/find/FindSession.h"

#include "ui/QtText.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {

FindSession::FindSession(TextBuffer& buffer, WorksheetDriver& driver)
    : buffer_(buffer), driver_(driver) {}

QString FindSession::Snapshot() const {
    return QString::fromStdU16String(buffer_.TextRange(0, buffer_.TextLength()));
}

void FindSession::SelectMatch(int start) {
    buffer_.SetSelection(start, start + int(last_.what.size()));
}

bool FindSession::FindNext() {
    const QString text = Snapshot();
    const TextSelection selection = buffer_.GetSelection();
    const SearchOptions options = last_.options;
    // Downwards a selected match is passed over by starting one character into it.
    const int from =
        last_.down && selection.end > selection.start ? selection.start + 1 : selection.start;
    if (sequenceStart_ < 0) sequenceStart_ = from;

    int at = last_.down ? FindDown(text, last_.what, from, options)
                        : FindUp(text, last_.what, from, options);
    if (at < 0 && last_.down) {
        at = FindDown(text, last_.what, 0, options);
        if (at >= sequenceStart_) at = -1;
    } else if (at < 0) {
        at = FindUp(text, last_.what, int(text.size()), options);
        if (at < sequenceStart_) at = -1;
    }
    if (at < 0) {
        BeginSequence();
        return false;
    }
    SelectMatch(at);
    return true;
}

bool FindSession::ReplaceAndFindNext() {
    const TextSelection selection = buffer_.GetSelection();
    const QString current =
        QString::fromStdU16String(buffer_.TextRange(selection.start, selection.end));
    // Whole word needs the characters around the selection too.
    const QString around = QString::fromStdU16String(
        buffer_.TextRange(std::max(0, selection.start - 1), selection.end + 1));
    const int offset = selection.start > 0 ? 1 : 0;
    if (current.size() == last_.what.size() &&
        IsMatchAt(around, last_.what, offset, last_.options)) {
        driver_.BeginEditGroup();
        buffer_.ReplaceSelection(ToU16View(last_.with));
        const int end = selection.start + int(last_.with.size());
        driver_.EndEditGroup();
        // Upwards the search goes on before the replacement, never into it.
        const int caret = last_.down ? end : selection.start;
        buffer_.SetSelection(caret, caret);
    }
    return FindNext();
}

int FindSession::ReplaceAll() {
    last_.down = true;
    buffer_.SetSelection(0, 0);
    const QString text = Snapshot();
    const QList<int> starts = FindAll(text, last_.what, last_.options);
    if (starts.isEmpty()) {
        BeginSequence();
        return 0;
    }
    const int length = int(last_.what.size());
    const int growth = int(last_.with.size()) - length;
    const std::u16string_view with = ToU16View(last_.with);
    driver_.BeginEditGroup();
    driver_.SetReplacing(true);
    int shift = 0;
    for (const int start : starts) {
        buffer_.ReplaceRange(start + shift, start + shift + length, with);
        shift += growth;
    }
    // The caret ends after the last replacement.
    const int end = starts.back() + shift - growth + int(with.size());
    buffer_.SetSelection(end, end);
    driver_.SetReplacing(false);
    driver_.EndEditGroup();
    return int(starts.size());
}

}  // namespace numora
