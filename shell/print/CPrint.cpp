#include "shell/print/CPrint.h"

#include <QTextDocument>

#include "shell/print/PrintLayout.h"
#include "ui/Prompter.h"

namespace numora {

CPrint::CPrint(IntRect& storedMargins) : stored_(storedMargins), margins_(storedMargins) {}

bool CPrint::PageSetup(QWidget* parent) {
    margins_ = ApplyMargins(printer_, margins_);
    if (!CurrentPrompter().SetUpPage(parent, printer_)) return false;
    QPageLayout layout = printer_.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    margins_ = ApplyMargins(printer_, FromMillimetres(layout.margins()));
    stored_ = margins_;
    return true;
}

bool CPrint::Print(QWidget* parent, const QTextDocument& worksheet, const QString& documentName) {
    margins_ = ApplyMargins(printer_, margins_);
    const qreal dpi = ScreenDpi(parent);
    const int pages = PaginatedCopy(worksheet, printer_, dpi, paper_)->pageCount();
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    if (!CurrentPrompter().SetUpPrint(parent, printer_, pages)) return false;

    // The dialog may have chosen another printer or paper.
    margins_ = ApplyMargins(printer_, margins_);
    printer_.setDocName(documentName);
    const auto paginated = PaginatedCopy(worksheet, printer_, dpi, paper_);
    int from = 1, to = paginated->pageCount();
    if (printer_.printRange() == QPrinter::PageRange && printer_.fromPage() > 0) {
        from = printer_.fromPage();
        to = printer_.toPage() > 0 ? printer_.toPage() : from;
    }
    if (PaintPages(printer_, *paginated, from, to)) return true;
    ShowError(parent, printtexts::PrintErrorTitle(), printtexts::PrintFailedText());
    return false;
}

}  // namespace numora
