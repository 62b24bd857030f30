#include "worksheet/view/TypingHelp.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/QtText.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/ViewTexts.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

QString Signature(const CompletionItem& item) {
    QString text = ToQString(item.name);
    if (!item.IsFunction()) return text;
    QStringList arguments;
    for (const std::u16string& argument : SplitArguments(item.arguments)) {
        arguments << ToQString(argument);
    }
    return text + u'(' + arguments.join(QStringLiteral("; ")) + u')';
}

// The tip as a screen reader says it: "LogN(base; x), argument 2 of 2: x".
QString SpokenTip(const CompletionItem& function, const std::vector<std::u16string>& names,
                  std::int32_t argument) {
    QString text = Signature(function);
    if (argument >= 0 && static_cast<std::size_t>(argument) < names.size()) {
        const QString name = ToQString(names[static_cast<std::size_t>(argument)]);
        text += QStringLiteral(", ") +
                view_texts::kArgumentSpoken().arg(argument + 1).arg(names.size()).arg(name);
    }
    return text;
}

}  // namespace

TypingHelp::TypingHelp(WorksheetEditor& editor, Worksheet& sheet, Source source)
    : editor_(editor),
      sheet_(sheet),
      source_(std::move(source)),
      popup_(new CompletionPopup(editor.viewport())),
      tip_(new QLabel(editor.viewport())),
      names_(*editor.document()) {
    tip_->setTextFormat(Qt::RichText);
    tip_->setAutoFillBackground(true);
    tip_->setBackgroundRole(QPalette::ToolTipBase);
    tip_->setForegroundRole(QPalette::ToolTipText);
    tip_->setFrameShape(QFrame::Box);
    tip_->setMargin(2);
    tip_->setFocusPolicy(Qt::NoFocus);
    tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip_->hide();  // nothing to take back from the description yet
    connect(popup_, &CompletionPopup::Clicked, this, &TypingHelp::Insert);
}

void TypingHelp::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) {
        editor_.installEventFilter(this);
        connect(editor_.document(), &QTextDocument::contentsChanged, this, &TypingHelp::Update);
        connect(&editor_, &QPlainTextEdit::cursorPositionChanged, this, &TypingHelp::Update);
        connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, &TypingHelp::HideAll);
        connect(editor_.horizontalScrollBar(), &QScrollBar::valueChanged, this,
                &TypingHelp::HideAll);
        revision_ = editor_.document()->revision();
    } else {
        editor_.removeEventFilter(this);
        disconnect(editor_.document(), nullptr, this, nullptr);
        disconnect(&editor_, nullptr, this, nullptr);
        disconnect(editor_.verticalScrollBar(), nullptr, this, nullptr);
        disconnect(editor_.horizontalScrollBar(), nullptr, this, nullptr);
        HideAll();
        closedCall_ = QTextCursor();
    }
}

bool TypingHelp::PopupShown() const { return popup_->isVisible(); }

QString TypingHelp::TipShown() const { return tip_->isVisible() ? tip_->text() : QString(); }

const QWidget& TypingHelp::Tip() const { return *tip_; }

void TypingHelp::HidePopup() {
    position_ = -1;
    popup_->hide();
    anchorBlock_ = anchorStart_ = -1;
}

void TypingHelp::HideAll() {
    HidePopup();
    HideTip();
}

void TypingHelp::HideTip() {
    tip_->hide();
    editor_.Description().Set(EditorDescription::Part::Argument, {});
}

void TypingHelp::CloseTip() {
    HideTip();
    const QTextCursor caret = editor_.textCursor();
    const auto call =
        CallAroundCaret(caret.block().text().toStdU16String(), caret.positionInBlock());
    if (!call) return;
    closedCall_ = QTextCursor(editor_.document());
    closedCall_.setPosition(caret.block().position() + call->open);
}

void TypingHelp::Update() {
    const QTextCursor caret = editor_.textCursor();
    const QTextBlock block = caret.block();
    const bool composing =
        block.layout() != nullptr && !block.layout()->preeditAreaText().isEmpty();
    const int revision = editor_.document()->revision();
    const bool edited = revision != revision_;
    // The colouring, and the caret's move after a typed character, change nothing to look at.
    if (!edited && caret.position() == position_ && !composing) return;
    revision_ = revision;
    position_ = caret.position();
    if (composing || sheet_.Calculating() || caret.hasSelection()) {
        HideAll();
        return;
    }
    const std::u16string paragraph = block.text().toStdU16String();
    const int column = caret.positionInBlock();
    UpdateTip(paragraph, column, caret);

    // The list opens as a name is typed and follows it; a caret moved elsewhere closes it.
    const bool units = source_.units && sheet_.Engine().GetOptions().Units;
    if (const auto unit = units ? UnitBeforeCaret(paragraph, column) : std::nullopt) {
        const bool sameUnit = popup_->isVisible() && block.blockNumber() == anchorBlock_ &&
                              unit->start == anchorStart_;
        std::vector<CompletionRow> rows;
        if (edited || sameUnit) rows = source_.units(unit->text);
        if (rows.empty() || (rows.size() == 1 && rows[0].name == ToQString(unit->text))) {
            HidePopup();
            return;
        }
        ShowRows(std::move(rows), caret, unit->start);
        return;
    }
    const auto typed = NameBeforeCaret(paragraph, column);
    const bool sameName = typed && popup_->isVisible() && block.blockNumber() == anchorBlock_ &&
                          typed->start == anchorStart_;
    if (!typed || !(edited || sameName)) {
        HidePopup();
        return;
    }
    const std::vector<const CompletionIndex*> indexes = source_.indexes();
    const NameTally& used = names_.Tally();
    const std::u16string typedKey = NameKey(typed->text);
    const CompletionContext context{
        [&](std::u16string_view key) { return used.UsedBesides(key, typedKey); }};
    const auto found = FindInAll(indexes, typed->text, kMaxRows, context);
    // A name typed out in full has nothing left to offer.
    if (found.empty() ||
        (found.size() == 1 && indexes[found[0].first]->Item(found[0].second).name == typed->text)) {
        HidePopup();
        return;
    }
    std::vector<CompletionRow> rows;
    rows.reserve(found.size());
    for (const auto& [index, item] : found) {
        const CompletionItem& entry = indexes[index]->Item(item);
        rows.push_back({ToQString(entry.name), Signature(entry),
                        entry.help.empty() && source_.helpOf ? source_.helpOf(index, item)
                                                             : ToQString(entry.help),
                        entry.IsFunction()});
    }
    ShowRows(std::move(rows), caret, typed->start);
}

void TypingHelp::ShowRows(std::vector<CompletionRow> rows, const QTextCursor& caret, int start) {
    const QTextBlock block = caret.block();
    anchorBlock_ = block.blockNumber();
    anchorStart_ = start;
    // Under the name's first character, which stays put while the name is typed on.
    QTextCursor nameStart = caret;
    nameStart.setPosition(block.position() + start);
    const QRect line = editor_.cursorRect(nameStart);
    // Clear of the tip, on whichever side of the line it is.
    int below = line.bottom() + 1;
    int above = line.top();
    if (tip_->isVisible() && tip_->y() > line.top()) below = tip_->geometry().bottom() + 1;
    if (tip_->isVisible() && tip_->y() < line.top()) above = tip_->y();
    if (popup_->font() != editor_.font()) popup_->setFont(editor_.font());
    popup_->Show(std::move(rows), QPoint(line.left(), below), above);
}

void TypingHelp::UpdateTip(const std::u16string& paragraph, int column, const QTextCursor& caret) {
    const auto call = CallAroundCaret(paragraph, column);
    // Closed by Esc, the tip stays closed while the caret stays in that call.
    if (!closedCall_.isNull()) {
        if (call && caret.block().position() + call->open == closedCall_.position()) {
            HideTip();
            return;
        }
        closedCall_ = QTextCursor();
    }
    const CompletionItem* function = nullptr;
    if (call) {
        for (const CompletionIndex* index : source_.indexes()) {
            const CompletionItem* named = index->Named(call->name);
            if (named != nullptr && named->IsFunction()) {
                function = named;
                break;
            }
        }
    }
    if (function == nullptr) {
        HideTip();
        return;
    }
    QStringList arguments;
    const std::vector<std::u16string> names = SplitArguments(function->arguments);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = ToQString(names[i]).toHtmlEscaped();
        arguments << (static_cast<std::int32_t>(i) == call->argument
                          ? QStringLiteral("<b>%1</b>").arg(name)
                          : name);
    }
    const QString text = ToQString(function->name).toHtmlEscaped() + u'(' +
                         arguments.join(QStringLiteral("; ")) + u')';
    if (tip_->text() != text) tip_->setText(text);
    editor_.Description().Set(EditorDescription::Part::Argument,
                              SpokenTip(*function, names, call->argument));
    tip_->setFont(editor_.font());
    tip_->adjustSize();
    const QRect line = editor_.cursorRect(caret);
    const QWidget& area = *editor_.viewport();
    const int x = std::clamp(line.left(), 0, std::max(0, area.width() - tip_->width()));
    // Below the line, or above it where there is no room below, as the list goes; never cut
    // off by the editor's edge.
    int y = line.bottom() + 1;
    if (y + tip_->height() > area.height() && line.top() - tip_->height() >= 0) {
        y = line.top() - tip_->height();
    }
    y = std::clamp(y, 0, std::max(0, area.height() - tip_->height()));
    tip_->move(x, y);
    tip_->show();
    tip_->raise();
}

void TypingHelp::Insert(int row) {
    if (!popup_->isVisible() || row < 0 || row >= static_cast<int>(popup_->Rows().size())) return;
    const CompletionRow chosen = popup_->Rows()[static_cast<std::size_t>(row)];
    QTextCursor cursor = editor_.textCursor();
    const int end = cursor.position();
    cursor.setPosition(cursor.block().position() + anchorStart_);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    // What was typed stays as typed; the rest of the name follows it.
    const QString typed = cursor.selectedText();
    QString text = chosen.unit ? chosen.name : typed + chosen.name.mid(typed.size());
    if (chosen.function) text += u'(';
    HidePopup();
    editor_.setTextCursor(cursor);
    editor_.InsertAtCaret(text);
}

bool TypingHelp::eventFilter(QObject* watched, QEvent* event) {
    const bool listed = popup_->isVisible();
    if (watched != &editor_ || !(listed || tip_->isVisible())) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut) {
        HideAll();
    } else if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress;
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
            return QObject::eventFilter(watched, event);
        }
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (!listed) break;
                if (press) popup_->Step(key->key() == Qt::Key_Up ? -1 : 1);
                event->accept();
                return press;
            case Qt::Key_Tab:
                if (!listed) break;
                if (press) Insert(popup_->Current());
                event->accept();
                return press;
            case Qt::Key_Escape:
                // The list first, then the tip.
                if (press && listed) {
                    HidePopup();
                } else if (press) {
                    CloseTip();
                }
                event->accept();
                return press;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // Enter means what it always means: the line is calculated.
                if (press) HidePopup();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace numora
