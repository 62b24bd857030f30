#pragma once
// What a screen reader gets from the window through Qt's accessibility interface: the names of
// its parts, and the events the window sends.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "settings/dialogs/CConfigBasic.h"
#include "settings/dialogs/CConfigDlg.h"
#include "settings/dialogs/CConfigFontColor.h"
#include "shell/CMainFrame.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora::test {

struct SentEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
    QString name;  // of the object or child it is about
};

// Records the accessibility events while it lives. Qt sends them only while the platform says a
// screen reader listens; offscreen none does, so the platform is switched on by hand
// (QAccessible::setActive only tells observers).
class EventRecorder {
public:
    EventRecorder() {
        Events().clear();
        previous_ = QAccessible::installUpdateHandler(&Record);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~EventRecorder() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
    }
    static std::vector<SentEvent>& Events() {
        static std::vector<SentEvent> events;
        return events;
    }
    std::vector<SentEvent> Of(QAccessible::Event type, const QObject* object = nullptr) const {
        std::vector<SentEvent> found;
        for (const SentEvent& event : Events()) {
            if (event.type == type && (object == nullptr || event.object == object)) {
                found.push_back(event);
            }
        }
        return found;
    }

private:
    static void Record(QAccessibleEvent* event) {
        QAccessibleInterface* about = event->accessibleInterface();
        Events().push_back({event->type(), event->object(), event->child(),
                            about != nullptr ? about->text(QAccessible::Name) : QString()});
    }
    QAccessible::UpdateHandler previous_;
};

inline QString NameOf(QObject* object) {
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(object);
    return about != nullptr ? about->text(QAccessible::Name) : QStringLiteral("(none)");
}

// The names a screen reader reads, in the interface language of the run: the worksheet, the
// list, its close button, the two toolbars, File > New and its keys, the digits box and the four
// colour buttons.
inline void ExpectNames(CMainFrame& frame, const QStringList& expected) {
    QAction* newFile = frame.Action(CommandId::FileNew);
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(newFile);
    ASSERT_NE(item, nullptr);
    const auto keys = QAccessibleActionInterface::pressAction();
    QStringList names{NameOf(&frame.View()),
                      NameOf(frame.VariableList().List()),
                      NameOf(frame.VariableList().findChild<QToolButton*>("close")),
                      NameOf(&frame.StandardToolbar()),
                      NameOf(&frame.InsertToolbar()),
                      NameOf(frame.StandardToolbar().widgetForAction(newFile)),
                      item->text(QAccessible::Name),
                      item->actionInterface()->keyBindingsForAction(keys).join(u' ')};
    frame.Action(CommandId::OptionsDialog)->trigger();
    auto* dialog = frame.findChild<CConfigDlg*>();
    ASSERT_NE(dialog, nullptr);
    names << NameOf(dialog->Basic()->digits);
    for (QPushButton* button : dialog->FontColor()->colorButtons) names << NameOf(button);
    dialog->reject();
    EXPECT_EQ(names, expected);

    // No menu item says its keys in its name.
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < list->childCount(); ++i) {
            EXPECT_FALSE(list->child(i)->text(QAccessible::Name).contains(u'\t'))
                << list->child(i)->text(QAccessible::Name).toStdString();
        }
    }
}

}  // namespace numora::test
