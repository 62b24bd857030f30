#pragma once
// The print job of the main window: one printer for the whole run, page setup with margins,
// and printing the worksheet with its colours and font.
#include <QCoreApplication>
#include <QPrinter>
#include <QString>

#include "settings/Settings.h"
#include "shell/print/PrintLayout.h"

class QTextDocument;
class QWidget;

namespace numora {

struct printtexts {
    Q_DECLARE_TR_FUNCTIONS(printtexts)
public:
    static QString PrintFailedText() { return tr("印刷に失敗しました"); }
    static QString PrintErrorTitle() { return tr("印刷エラー"); }
};

class CPrint {
public:
    // `storedMargins` (the settings' PrintMargins) gives the first margins and receives the
    // margins chosen in page setup.
    explicit CPrint(IntRect& storedMargins);
    CPrint(const CPrint&) = delete;
    CPrint& operator=(const CPrint&) = delete;

    // The page setup dialog; on OK the printer and margins are taken, the margins raised to
    // what the printer can print and stored. False when cancelled.
    bool PageSetup(QWidget* parent);
    // The print dialog (all pages or a range up to the real page count, or a file), then the
    // job. A cancelled dialog prints nothing and says nothing; a failed job shows the print
    // failure message. True when pages were printed.
    bool Print(QWidget* parent, const QTextDocument& worksheet, const QString& documentName);

    // The colours the worksheet shows that print as others.
    void SetPaperColors(PaperColors paper) { paper_ = std::move(paper); }
    QPrinter& Printer() { return printer_; }
    const IntRect& Margins() const { return margins_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    IntRect& stored_;
    IntRect margins_;
    PaperColors paper_;
};

}  // namespace numora
