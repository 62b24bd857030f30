#include "shell/print/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <cmath>

namespace numora {

namespace {

int32_t Hundredths(qreal millimetres) { return int32_t(std::lround(millimetres * 100)); }

}  // namespace

IntRect RaiseMargins(const IntRect& margins, const QMarginsF& minimumMm) {
    return {std::max(margins.left, Hundredths(minimumMm.left())),
            std::max(margins.top, Hundredths(minimumMm.top())),
            std::max(margins.right, Hundredths(minimumMm.right())),
            std::max(margins.bottom, Hundredths(minimumMm.bottom()))};
}

QMarginsF UnprintableBorder(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return layout.minimumMargins();
}

QMarginsF ToMillimetres(const IntRect& margins) {
    return QMarginsF(margins.left, margins.top, margins.right, margins.bottom) / 100.0;
}

IntRect FromMillimetres(const QMarginsF& margins) {
    return {Hundredths(margins.left()), Hundredths(margins.top()), Hundredths(margins.right()),
            Hundredths(margins.bottom())};
}

IntRect ApplyMargins(QPrinter& printer, const IntRect& margins) {
    const IntRect raised = RaiseMargins(margins, UnprintableBorder(printer));
    printer.setFullPage(false);
    printer.setPageMargins(ToMillimetres(raised), QPageLayout::Millimeter);
    return raised;
}

std::unique_ptr<QTextDocument> PaginatedCopy(const QTextDocument& worksheet, QPrinter& printer) {
    std::unique_ptr<QTextDocument> copy(worksheet.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    // Long lines wrap on paper whether or not the window wraps them.
    QTextOption option = copy->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copy->setDefaultTextOption(option);
    copy->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return copy;
}

bool PaintPages(QPrinter& printer, QTextDocument& paginated, int from, int to) {
    const QSizeF page = paginated.pageSize();
    const int pages = std::max(1, paginated.pageCount());
    from = std::clamp(from, 1, pages);
    to = std::clamp(to, from, pages);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QAbstractTextDocumentLayout::PaintContext context;
    for (int number = from; number <= to; ++number) {
        if (number > from && !printer.newPage()) {
            printer.abort();
            painter.end();
            return false;
        }
        // The band of the text that falls on this page, moved to the page's text rectangle.
        const QRectF band(0, (number - 1) * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -band.top());
        painter.setClipRect(band);
        // A line starting right at the band's end belongs to the next page only.
        context.clip = band.adjusted(0, 0, 0, -1);
        paginated.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

}  // namespace numora
