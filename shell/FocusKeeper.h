#pragma once
// Keeps the keys in the window's panes. The menu bar holds the focus only while it is used: a
// command chosen from a menu opened by keys leaves the focus on the menu bar, and when the dialog
// it opens closes, the keys would go nowhere until Tab. The focus goes back to where it was.
#include <QObject>
#include <QPointer>

class QMainWindow;
class QWidget;

namespace numora {

class FocusKeeper final : public QObject {
    Q_OBJECT
public:
    explicit FocusKeeper(QMainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Moved(QWidget* now);
    void Later();
    // The menu bar has the focus but is no longer used: the focus goes back.
    void Restore();

    QMainWindow& window_;
    QPointer<QWidget> last_;  // the window's last focus outside the menu bar
};

}  // namespace numora
