#include "worksheet/view/LinePreviewer.h"

#include <QTextBlock>

#include "ui/PostTo.h"
#include "ui/QtText.h"
#include "worksheet/LineText.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

LinePreviewer::LinePreviewer(WorksheetEditor& editor, Worksheet& sheet)
    : editor_(editor), sheet_(sheet) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kDeadlineMs);
    connect(&pause_, &QTimer::timeout, this, &LinePreviewer::StartNow);
    // Too slow to be worth the wait: a preview never holds the worker of the next one.
    connect(&deadline_, &QTimer::timeout, this, [this] { preview_.Cancel(); });
}

void LinePreviewer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    QTextDocument* document = editor_.document();
    if (on) {
        // Colouring a line marks it dirty too; only a new revision is an edit.
        revision_ = document->revision();
        connect(document, &QTextDocument::contentsChanged, this, [this, document] {
            if (document->revision() == revision_) return;
            revision_ = document->revision();
            Restart();
        });
        connect(&editor_, &QPlainTextEdit::cursorPositionChanged, this, &LinePreviewer::Restart);
        // A value shown beside text being composed would be of the line without it.
        connect(&editor_, &WorksheetEditor::CompositionChanged, this, [this](bool composing) {
            if (composing) {
                Hide();
            } else {
                Restart();
            }
        });
        Restart();
    } else {
        disconnect(document, nullptr, this, nullptr);
        disconnect(&editor_, nullptr, this, nullptr);
        Hide();
    }
}

void LinePreviewer::Hide() {
    pause_.stop();
    preview_.Cancel();
    ++request_;
    pending_ = false;
    editor_.ShowPreview(-1, {});
}

void LinePreviewer::Restart() {
    // What is shown belongs to a text that is no more; an answer on its way is, too.
    Hide();
    pause_.start();
}

void LinePreviewer::StartNow() {
    pause_.stop();
    if (!enabled_ || sheet_.Calculating() || !sheet_.Driver().CalcOn()) return;
    if (editor_.Composing()) return;
    if (editor_.textCursor().hasSelection()) return;
    if (preview_.Running()) {
        pause_.start();  // the last one is still on its way out
        return;
    }
    const QTextBlock block = editor_.textCursor().block();
    const bool insertMode = IsInsertMode(sheet_.Driver().EnterComputesResultLine(), false);
    if (KindOfParagraph(block.text().toStdU16String(), insertMode) != LineKind::Expression) return;

    const CalcEngine& engine = sheet_.Engine();
    PreviewLine line = PreviewLineAt(editor_, block.blockNumber(), insertMode,
                                     sheet_.Totals() ? &engine.GetFunctions() : nullptr,
                                     engine.GetOptions().Units);
    if (sheet_.AutoRecalculate()) {
        // The lines above as Enter would leave them: a key of its own for each place to start.
        const std::int32_t start = sheet_.Journal().StartFor(block.blockNumber());
        const std::uint64_t key =
            sheet_.Generation() * 0x9E3779B97F4A7C15u + 1 + static_cast<std::uint32_t>(start);
        preview_.Prepare(engine, engine.GetFunctions(), key,
                         [this, start] { return sheet_.StateForLine(start); });
    } else {
        preview_.Prepare(engine, engine.GetFunctions(), sheet_.Generation());
    }
    const std::uint64_t request = ++request_;
    const int blockNumber = block.blockNumber();
    pending_ = true;
    deadline_.start();
    preview_.Start(std::move(line),
                   [this, request, blockNumber](std::optional<std::u16string> text) {
                       PostTo(this, [this, request, blockNumber, text = std::move(text)] {
                           if (request != request_) return;
                           deadline_.stop();
                           pending_ = false;
                           if (text) editor_.ShowPreview(blockNumber, ToQString(*text));
                           emit Finished();
                       });
                   });
}

}  // namespace numora
