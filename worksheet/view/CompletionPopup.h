#pragma once
// The list of names a typed name may become, drawn under the caret inside the editor: each row
// the name with its arguments and one line of help. It never takes the keyboard focus; the
// editor's keys choose a row (TypingHelp).
#include <QFrame>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <vector>

namespace numora {

struct CompletionRow {
    QString name;       // what is inserted
    QString signature;  // "LogN(base; x)", or the name alone
    QString help;
    bool function = false;  // inserted with "(" after it
    bool unit = false;      // a unit's name, which replaces what was typed ("KM" becomes "km")
};

class CompletionPopup final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kVisibleRows = 7;

    explicit CompletionPopup(QWidget* parent);

    // Shows `rows` (the first chosen) with its top left at `at`, kept inside the parent; one
    // line above `lineTop` when there is no room below.
    void Show(std::vector<CompletionRow> rows, QPoint at, int lineTop);
    const std::vector<CompletionRow>& Rows() const { return rows_; }
    int Current() const { return current_; }
    // Up and Down: the row above or below, wrapping around.
    void Step(int by);
    // Counts the lists shown: rows of another generation are other names.
    int Generation() const { return generation_; }
    // Where a row is drawn (empty while it is scrolled out of sight), and the row at `y`.
    QRect RowRect(int row) const;
    int RowAt(int y) const;

signals:
    void Clicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int RowHeight() const;
    const QStaticText& Laid(const QString& text) const;
    static constexpr qsizetype kLaidOutKept = 1024;

    std::vector<CompletionRow> rows_;
    int current_ = 0;
    int generation_ = 0;
    int top_ = 0;  // the first row shown
    int nameWidth_ = 0;
    int shownNameWidth_ = 0;
    mutable QHash<QString, QStaticText> laidOut_;
};

}  // namespace numora
