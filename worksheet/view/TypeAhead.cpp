#include "worksheet/view/TypeAhead.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

namespace numora {

TypeAhead::TypeAhead() = default;
TypeAhead::~TypeAhead() = default;

void TypeAhead::KeepEvent(QObject* target, const QEvent& event) {
    entries_.push_back({target, std::unique_ptr<QEvent>(event.clone()), nullptr});
}

void TypeAhead::KeepCall(std::function<void()> call) {
    entries_.push_back({nullptr, nullptr, std::move(call)});
}

bool TypeAhead::HoldsInput() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const Entry& entry) {
        if (entry.call) return true;
        if (!entry.target) return false;
        switch (entry.event->type()) {
            case QEvent::KeyPress:
                switch (static_cast<const QKeyEvent&>(*entry.event).key()) {
                    case Qt::Key_Shift:
                    case Qt::Key_Control:
                    case Qt::Key_Meta:
                    case Qt::Key_Alt:
                    case Qt::Key_AltGr:
                        return false;
                    default:
                        return true;
                }
            case QEvent::InputMethod:
                return !static_cast<const QInputMethodEvent&>(*entry.event)
                            .commitString()
                            .isEmpty();
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return true;
            default:
                return false;
        }
    });
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
