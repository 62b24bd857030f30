#pragma once
// Pieces for describing to screen readers what widgets only paint: a leaf of the accessibility
// tree (an item with no children of its own), and installing a factory once per run.
#include <QAccessible>
#include <QSet>

namespace numora {

class AccessibleLeaf : public QAccessibleInterface {
public:
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    // Read only: a screen reader does not rename what it reads.
    void setText(QAccessible::Text, const QString&) override {}
};

// Installs `factory` the first time it is asked for; later calls do nothing.
inline void InstallAccessibleFactory(QAccessible::InterfaceFactory factory) {
    static QSet<QAccessible::InterfaceFactory> installed;
    if (installed.contains(factory)) return;
    installed.insert(factory);
    QAccessible::installFactory(factory);
}

}  // namespace numora
