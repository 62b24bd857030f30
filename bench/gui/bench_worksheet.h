#pragma once
// The worksheet the window benchmarks work on.
#include <QString>

namespace numora::bench {

// Expressions, their results, an error and a comment, as a long-used worksheet has them; the
// last line is an expression waiting for Enter.
inline QString Worksheet(int lines) {
    static const char* const kLines[] = {"a = 12.5*3", ">37.5",  "sqrt(a) + 1", ">7.1237243569579",
                                         "1/0",        ">error", "' totals",    "a*2"};
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i > 0) text += u'\n';
        text += QLatin1String(kLines[(lines - 1 - i) % 8 == 0 ? 7 : i % 7]);
    }
    return text;
}

}  // namespace numora::bench
