#pragma once
// What a screen reader gets from the window, through Qt's accessibility interface: the names of
// its parts, and the events that the window sends, recorded as they come.
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
    QString text;  // inserted (or removed) text
};

// Records every accessibility event while it lives. Qt sends them only while a screen reader
// listens: offscreen, no one does, so the platform's accessibility is switched on by hand
// (QAccessible::setActive only tells observers; the platform holds the switch).
class EventRecorder {
public:
    EventRecorder() {
        Events().clear();
        previous_ = QAccessible::installUpdateHandler(&Record);
        SetListening(true);
    }
    ~EventRecorder() {
        SetListening(false);
        QAccessible::installUpdateHandler(previous_);
    }
    static void SetListening(bool on) {
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(on);
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
    void Clear() { Events().clear(); }

private:
    static void Record(QAccessibleEvent* event) {
        SentEvent sent{event->type(), event->object(), event->child(), {}, {}};
        if (QAccessibleInterface* about = event->accessibleInterface()) {
            sent.name = about->text(QAccessible::Name);
        }
        if (event->type() == QAccessible::TextInserted) {
            sent.text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        } else if (event->type() == QAccessible::TextRemoved) {
            sent.text = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
        }
        Events().push_back(sent);
    }
    QAccessible::UpdateHandler previous_;
};

inline QString NameOf(QObject* object) {
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(object);
    return about != nullptr ? about->text(QAccessible::Name) : QStringLiteral("(none)");
}

// The names a screen reader reads, in the interface language of the run.
struct ExpectedNames {
    QString worksheet, list, closeList, standardToolbar, insertToolbar;
    QString newItem, newKeys;  // File > New, by name and key binding
    QString digits;
    QStringList colorButtons;
};

// Every name of the window, its menus and toolbars, and its options dialog.
inline void ExpectNames(CMainFrame& frame, const ExpectedNames& expected) {
    EXPECT_EQ(NameOf(&frame.View()), expected.worksheet);
    EXPECT_EQ(NameOf(frame.VariableList().List()), expected.list);
    EXPECT_EQ(NameOf(frame.VariableList().findChild<QToolButton*>("close")), expected.closeList);
    EXPECT_EQ(NameOf(&frame.StandardToolbar()), expected.standardToolbar);
    EXPECT_EQ(NameOf(&frame.InsertToolbar()), expected.insertToolbar);

    // No item of a menu or a toolbar says its keys in its name.
    int items = 0;
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < list->childCount(); ++i, ++items) {
            EXPECT_FALSE(list->child(i)->text(QAccessible::Name).contains(u'\t'))
                << list->child(i)->text(QAccessible::Name).toStdString();
        }
    }
    EXPECT_GT(items, 30);
    for (QToolBar* bar : {&frame.StandardToolbar(), &frame.InsertToolbar()}) {
        for (QAction* action : bar->actions()) {
            if (QWidget* button = bar->widgetForAction(action)) {
                EXPECT_FALSE(NameOf(button).contains(u'\t')) << NameOf(button).toStdString();
            }
        }
    }
    QAction* newFile = frame.Action(CommandId::FileNew);
    EXPECT_EQ(NameOf(frame.StandardToolbar().widgetForAction(newFile)), expected.newItem);
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(newFile);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), expected.newItem);
    ASSERT_NE(item->actionInterface(), nullptr);
    EXPECT_EQ(
        item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList{expected.newKeys});

    frame.Action(CommandId::OptionsDialog)->trigger();
    auto* dialog = frame.findChild<CConfigDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(NameOf(dialog->Basic()->digits), expected.digits);
    QStringList colors;
    for (QPushButton* button : dialog->FontColor()->colorButtons) colors << NameOf(button);
    EXPECT_EQ(colors, expected.colorButtons);
    dialog->reject();
}

}  // namespace numora::test
