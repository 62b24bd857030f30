#pragma once
// The recent documents at the end of the File menu, kept between runs in the registry on Windows
// and in "RecentDocuments.ini" in the settings folder elsewhere.
#include <QList>
#include <QObject>
#include <QString>

#include "settings/RecentDocuments.h"

class QAction;
class QMenu;

namespace numora {

class CMainFrame;

class RecentDocumentsMenu : public QObject {
    Q_OBJECT
public:
    // Takes the place of the "(なし)" item of the File menu; the maximum starts at 5.
    explicit RecentDocumentsMenu(CMainFrame& frame);

    // The registry key that holds the list on Windows, HKEY_CURRENT_USER\Software\Orvanta\Numora
    // unless set (tests give each window a key of their own).
    static void SetRegistryKey(const QString& key);

    const RecentDocuments& List() const { return list_; }
    // Replaces the list and its maximum by the stored ones; a missing or malformed store leaves
    // them as they are.
    void Read();
    // Stores the maximum and the entries; false when the store could not be written.
    bool Write() const;
    // After Open, Save As or a drop.
    void Add(const QString& path);
    // The recent-document command for entry `index` (0 = newest).
    void Choose(int index);

private:
    void Rebuild();
    void MoveToTop(const QString& path);

    CMainFrame& frame_;
    QAction* placeholder_;  // entry 1, or "(なし)" greyed while the list is empty
    QMenu* menu_ = nullptr;
    QList<QAction*> more_;  // entries 2..N
    RecentDocuments list_;
};

}  // namespace numora
