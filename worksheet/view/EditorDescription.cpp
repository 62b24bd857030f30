#include "worksheet/view/EditorDescription.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace numora {

void EditorDescription::Set(Part part, const QString& text) {
    QString& held = parts_[static_cast<std::size_t>(part)];
    if (held == text) return;
    held = text;
    const QString description = Text();
    if (editor_.accessibleDescription() == description) return;
    // The widget tells the reader of the new description itself.
    editor_.setAccessibleDescription(description);
}

QString EditorDescription::Text() const {
    QStringList shown;
    for (const QString& part : parts_) {
        if (!part.isEmpty()) shown << part;
    }
    return shown.join(QStringLiteral(", "));
}

}  // namespace numora
