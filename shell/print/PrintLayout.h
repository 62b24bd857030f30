#pragma once
// Laying the worksheet out on printed pages and painting them. Margins are in hundredths of a
// millimetre, as the settings keep them.
#include <QColor>
#include <utility>
#include <vector>
#include <QMarginsF>
#include <memory>

#include "settings/Settings.h"

class QPrinter;
class QTextDocument;
class QWidget;

namespace numora {

// Raises each margin to at least the printer's unprintable border (given in millimetres).
IntRect RaiseMargins(const IntRect& margins, const QMarginsF& minimumMm);
// The printer's unprintable border, in millimetres.
QMarginsF UnprintableBorder(const QPrinter& printer);
QMarginsF ToMillimetres(const IntRect& margins);
IntRect FromMillimetres(const QMarginsF& margins);

// Puts `margins` on the printer's page (raised to its border first) and returns them.
IntRect ApplyMargins(QPrinter& printer, const IntRect& margins);

// The logical resolution of the screen that shows `widget` (or of the main screen).
qreal ScreenDpi(const QWidget* widget);

// A copy of the worksheet with its font and colours (its lines' display formats become character
// formats), laid out in pages of the printer's text rectangle at the printer's resolution. Fonts
// sized in pixels print at the size they have on a screen of `screenDpi`; each character prints
// in its own glyph where its script allows. The worksheet itself is left as it is.
// Colours shown on the screen that print as others (a dark theme's on white paper).
using PaperColors = std::vector<std::pair<QColor, QColor>>;
std::unique_ptr<QTextDocument> PaginatedCopy(const QTextDocument& worksheet, QPrinter& printer,
                                             qreal screenDpi, const PaperColors& paper = {});

// Paints pages `from`..`to` (1-based, clamped to the document's pages). False when the printer
// could not be started or a page failed; the job is then aborted. A PDF file's text is then named
// after the worksheet's characters (PdfText.h).
bool PaintPages(QPrinter& printer, QTextDocument& paginated, int from, int to);

}  // namespace numora
