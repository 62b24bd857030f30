#include "worksheet/view/TypeAhead.h"

#include <QCoreApplication>
#include <QEvent>

namespace numora {

TypeAhead::TypeAhead() = default;
TypeAhead::~TypeAhead() = default;

void TypeAhead::KeepEvent(QObject* target, const QEvent& event) {
    entries_.push_back({target, std::unique_ptr<QEvent>(event.clone()), nullptr});
}

void TypeAhead::KeepCall(std::function<void()> call) {
    entries_.push_back({nullptr, nullptr, std::move(call)});
}

void TypeAhead::Deliver() {
    // A delivery may open a dialog whose loop asks for another delivery: one at a time.
    if (delivering_) return;
    while (!entries_.empty()) {
        Entry entry = std::move(entries_.front());
        entries_.pop_front();
        delivering_ = true;
        if (entry.call) {
            entry.call();
        } else if (entry.target) {
            if (entry.event->type() == QEvent::KeyPress ||
                entry.event->type() == QEvent::KeyRelease) {
                // Sent as a program's own key, so that a menu shortcut among the keys fires
                // now, as it would have when the key was pressed.
                QCoreApplication::sendEvent(entry.target, entry.event.get());
            } else {
                // As the user's own click: a click also moves the focus.
                QCoreApplication::instance()->notify(entry.target, entry.event.get());
            }
        }
        delivering_ = false;
    }
}

}  // namespace numora
