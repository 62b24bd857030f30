#include "shell/find/TextSearch.h"

namespace numora {

namespace {

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// A whole word has no word character directly before or after it.
bool IsWholeWord(QStringView text, int start, int length) {
    const int end = start + length;
    return (start == 0 || !IsWordChar(text[start - 1])) &&
           (end >= text.size() || !IsWordChar(text[end]));
}

Qt::CaseSensitivity Sensitivity(SearchOptions options) {
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

}  // namespace

int FindDown(QStringView text, QStringView what, int from, SearchOptions options) {
    if (what.isEmpty() || from < 0) return -1;
    for (qsizetype at = text.indexOf(what, from, Sensitivity(options)); at >= 0;
         at = text.indexOf(what, at + 1, Sensitivity(options))) {
        if (!options.wholeWord || IsWholeWord(text, int(at), int(what.size()))) return int(at);
    }
    return -1;
}

int FindUp(QStringView text, QStringView what, int before, SearchOptions options) {
    if (what.isEmpty() || before <= 0) return -1;
    for (qsizetype at = text.lastIndexOf(what, std::min<qsizetype>(before - 1, text.size()),
                                         Sensitivity(options));
         at >= 0; at = at == 0 ? -1 : text.lastIndexOf(what, at - 1, Sensitivity(options))) {
        if (!options.wholeWord || IsWholeWord(text, int(at), int(what.size()))) return int(at);
    }
    return -1;
}

bool IsMatchAt(QStringView text, QStringView what, int start, SearchOptions options) {
    if (what.isEmpty() || start < 0 || start + what.size() > text.size()) return false;
    return text.mid(start, what.size()).compare(what, Sensitivity(options)) == 0 &&
           (!options.wholeWord || IsWholeWord(text, start, int(what.size())));
}

QList<int> FindAll(QStringView text, QStringView what, SearchOptions options) {
    QList<int> starts;
    for (int at = FindDown(text, what, 0, options); at >= 0;
         at = FindDown(text, what, at + int(what.size()), options)) {
        starts.append(at);
    }
    return starts;
}

}  // namespace numora
