#pragma once
// Marks a UTF-8 text of the Qt-free code as a source of translation: Qt's tools collect it, and
// the window looks it up in the interface language when it shows it. The same definition as
// Qt's, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
