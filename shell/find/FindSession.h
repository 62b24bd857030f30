#pragma once
// The worksheet's find-and-replace state and its operations on the editor: find next with the
// wrap-around, replace one and replace all, each edit one undo step. No dialogs or messages
// here; FindReplace shows those.
#include <QString>

#include "shell/find/TextSearch.h"

namespace numora {

class TextBuffer;
class WorksheetDriver;

struct FindRequest {
    QString what;
    QString with;
    SearchOptions options;
    bool down = true;
};

class FindSession {
public:
    FindSession(TextBuffer& buffer, WorksheetDriver& driver);

    // The remembered texts and options, taken over from the dialog and from F3.
    FindRequest& Last() { return last_; }
    const FindRequest& Last() const { return last_; }

    // A new search sequence notes its starting point at its first search.
    void BeginSequence() { sequenceStart_ = -1; }
    // Selects the next match from the selection in the remembered direction, wrapping once
    // to the sequence's starting point. False when there is none; a new sequence then begins.
    bool FindNext();
    // Replaces the selection when it is a match, as one undo step; then finds the next.
    // False when no next match was found.
    bool ReplaceAndFindNext();
    // Replaces every match from the start of the text as one undo step and returns the
    // count; 0 when there was no match (the caret is then at the start). Always ends: the
    // text a replacement inserts is never searched again.
    int ReplaceAll();

private:
    QString Snapshot() const;
    void SelectMatch(int start);

    TextBuffer& buffer_;
    WorksheetDriver& driver_;
    FindRequest last_;
    int sequenceStart_ = -1;
};

}  // namespace numora
