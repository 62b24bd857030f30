#pragma once
// The worksheet the window benchmarks work on, and the clock they measure with.
#include <QString>
#include <ctime>

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

// CPU time of the whole process, every thread's: the window's workers are counted too.
inline double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace numora::bench
