#pragma once
// Input that arrives while a line calculates, kept in the order it came and delivered once the
// line has ended: a person types ahead, and every key must arrive. Keys and clicks are kept as
// events for the widget they were meant for; commands chosen from menus and toolbars, and the
// window's close, as calls.
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>

class QEvent;
class QObject;

namespace numora {

class TypeAhead {
public:
    TypeAhead();
    ~TypeAhead();
    TypeAhead(const TypeAhead&) = delete;
    TypeAhead& operator=(const TypeAhead&) = delete;

    void KeepEvent(QObject* target, const QEvent& event);
    void KeepCall(std::function<void()> call);
    bool Empty() const { return entries_.empty(); }
    // Something kept edits or moves the caret: a key (not a release, nor a modifier alone), an
    // input method's text, a click or a command.
    bool HoldsInput() const;
    // One kept entry is being delivered right now: what it causes runs at once.
    bool Delivering() const { return delivering_; }
    // Delivers the entries, oldest first. An entry that starts another long line returns only
    // when that line has ended; what arrived meanwhile was kept behind the older entries.
    void Deliver();
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        QPointer<QObject> target;
        std::unique_ptr<QEvent> event;
        std::function<void()> call;
    };
    std::deque<Entry> entries_;
    bool delivering_ = false;
};

}  // namespace numora
