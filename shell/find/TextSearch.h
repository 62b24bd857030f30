#pragma once
// Finding a text in the worksheet: match case, whole word, either direction. Pure functions
// over a snapshot of the text, so the search runs the same over any editor.
#include <QList>
#include <QStringView>

namespace numora {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

// Start of the first match at or after `from`, or -1.
int FindDown(QStringView text, QStringView what, int from, SearchOptions options);
// Start of the last match that starts before `before`, or -1.
int FindUp(QStringView text, QStringView what, int before, SearchOptions options);
// Whether [start, start + what.size()) of `text` is a match.
bool IsMatchAt(QStringView text, QStringView what, int start, SearchOptions options);
// Starts of every match from the front, none overlapping the one before.
QList<int> FindAll(QStringView text, QStringView what, SearchOptions options);

}  // namespace numora
