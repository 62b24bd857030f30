#pragma once
// The options dialog on a laptop's screen, in the interface language of the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "settings/Settings.h"
#include "settings/dialogs/CConfigDlg.h"
#include "ui/ScreenFit.h"

namespace numora::test {

// A 1366 x 768 screen less a panel: the whole dialog, its frame too.
inline constexpr int kLaptopDialogHeight = 700;

// At the default font and at a 12-point desktop font the dialog asks for no more than a laptop's
// screen holds, and shows its pages whole where the screen has room; at any font it is no taller
// than the screen, and OK and Cancel are on it.
inline void ExpectOptionsDialogFits(Settings& settings) {
    const QFont original = QApplication::font();
    for (const int points : {0, 12, 30}) {
        QFont font = original;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
        CConfigDlg dlg(settings, font);
        dlg.show();
        QApplication::processEvents();
        const QMargins frame = FrameMarginsOf(dlg);
        const QRect screen = dlg.screen()->availableGeometry();
        for (int page = 0; page < dlg.Pages()->count(); ++page) {
            dlg.Pages()->setCurrentIndex(page);
            QApplication::processEvents();
            if (points <= 12) {
                EXPECT_LE(dlg.sizeHint().height() + frame.top() + frame.bottom(),
                          kLaptopDialogHeight)
                    << points << " points, page " << page;
                // Where the screen is tall enough, nothing scrolls.
                const QSize wanted = dlg.sizeHint().grownBy(frame);
                if (wanted.width() <= screen.width() && wanted.height() <= screen.height()) {
                    auto* scroller = qobject_cast<QScrollArea*>(dlg.Pages()->currentWidget());
                    ASSERT_NE(scroller, nullptr);
                    EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << points;
                }
            }
            EXPECT_LE(dlg.height() + frame.top() + frame.bottom(), screen.height()) << points;
            EXPECT_GE(dlg.y() - frame.top(), screen.top()) << points;
            for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
                if (button->parentWidget() != &dlg) continue;  // OK, Cancel and the folder
                const QRect shown(button->mapTo(&dlg, QPoint()), button->size());
                EXPECT_TRUE(dlg.rect().contains(shown))
                    << points << " points: " << button->text().toStdString();
            }
        }
    }
    QApplication::setFont(original);
}

}  // namespace numora::test
