#include "shell/print/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/print/PdfText.h"

namespace numora {

namespace {

int32_t Hundredths(qreal millimetres) { return int32_t(std::lround(millimetres * 100)); }

// A size in pixels is meant for the screen, where the worksheet shows it; on paper a pixel is a
// printer dot, a dozen times smaller. Such sizes become the points they measure on the screen.
//
// Qt's PDF writer says which character a glyph stands for only through the font's character
// map, so a glyph that shaping puts in a character's place stands for none: the figures the
// Japanese fonts keep for Western text (the digits of "price = 1200", unless the locale is an
// East Asian one) and ligatures (the "ff" of "diff") would be lost to searching and copying.
// Paper takes each character's own glyph wherever its script does not need shaping.
QFont PaperFont(QFont font, qreal screenDpi) {
    if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / screenDpi);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

void UsePaperFonts(QTextDocument& document, qreal screenDpi) {
    document.setDefaultFont(PaperFont(document.defaultFont(), screenDpi));
    struct Run {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const bool pixels = format.hasProperty(QTextFormat::FontPixelSize);
            if (!pixels && !format.hasProperty(QTextFormat::FontStyleStrategy)) continue;
            if (pixels) {
                const int size = format.intProperty(QTextFormat::FontPixelSize);
                format.clearProperty(QTextFormat::FontPixelSize);
                if (size > 0) format.setFontPointSize(size * 72.0 / screenDpi);
            }
            if (format.hasProperty(QTextFormat::FontStyleStrategy)) {
                format.setFontStyleStrategy(
                    QFont::StyleStrategy(format.fontStyleStrategy() | QFont::PreferNoShaping));
            }
            runs.push_back({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Run& run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

// The worksheet's colours are display formats of its lines' layouts, which a copy of the
// document does not have: on the copy they become character formats.
void CarryDisplayFormats(const QTextDocument& worksheet, QTextDocument& copy,
                         const PaperColors& paper) {
    QTextCursor cursor(&copy);
    cursor.beginEditBlock();
    for (QTextBlock from = worksheet.begin(), to = copy.begin(); from.isValid() && to.isValid();
         from = from.next(), to = to.next()) {
        const QTextLayout* layout = from.layout();
        if (layout == nullptr) continue;
        for (const QTextLayout::FormatRange& range : layout->formats()) {
            cursor.setPosition(to.position() + range.start);
            cursor.setPosition(to.position() + range.start + range.length, QTextCursor::KeepAnchor);
            QTextCharFormat format = range.format;
            for (const auto& [shown, printed] : paper) {
                if (format.foreground().color() == shown) {
                    format.setForeground(printed);
                    break;
                }
            }
            cursor.mergeCharFormat(format);
        }
    }
    cursor.endEditBlock();
}

}  // namespace

qreal ScreenDpi(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

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

std::unique_ptr<QTextDocument> PaginatedCopy(const QTextDocument& worksheet, QPrinter& printer,
                                             qreal screenDpi, const PaperColors& paper) {
    std::unique_ptr<QTextDocument> copy(worksheet.clone());
    copy->setUndoRedoEnabled(false);
    CarryDisplayFormats(worksheet, *copy, paper);
    UsePaperFonts(*copy, screenDpi);
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    // Long lines wrap on paper whether or not the window wraps them.
    QTextOption option = copy->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copy->setDefaultTextOption(option);
    copy->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return copy;
}

namespace {

// The first block that reaches below `top`, by its place in the document's layout.
QTextBlock FirstBlockBelow(QTextDocument& document, qreal top) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    int low = 0, high = document.blockCount() - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (layout->blockBoundingRect(document.findBlockByNumber(middle)).bottom() <= top) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return document.findBlockByNumber(low);
}

// Paints the visual lines that lie on the band of the document from `top` to `bottom`. Each
// line is drawn on its own: a block drawn whole and clipped would put the lines it has on the
// page before into this page's text too, unseen but found by search and copy.
void PaintBand(QPainter& painter, QTextDocument& document, qreal top, qreal bottom) {
    for (QTextBlock block = FirstBlockBelow(document, top); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || !block.isVisible()) continue;
        const QPointF origin = layout->position();
        if (origin.y() >= bottom) break;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // Pagination keeps a line off the break, so its middle says which page it is on.
            const qreal middle = origin.y() + line.y() + line.height() / 2;
            if (middle >= top && middle < bottom) line.draw(&painter, origin);
        }
    }
}

}  // namespace

bool PaintPages(QPrinter& printer, QTextDocument& paginated, int from, int to) {
    const QSizeF page = paginated.pageSize();
    const int pages = std::max(1, paginated.pageCount());
    from = std::clamp(from, 1, pages);
    to = std::clamp(to, from, pages);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QColor ink = QAbstractTextDocumentLayout::PaintContext().palette.color(QPalette::Text);
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
        painter.setPen(ink);
        PaintBand(painter, paginated, band.top(), band.bottom());
        painter.restore();
    }
    if (!painter.end()) return false;
    // A PDF file is searched, copied from and read aloud too. Should its text not be named
    // again, the pages are still all there.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        NamePrintedCharacters(printer.outputFileName(), paginated);
    }
    return true;
}

}  // namespace numora
