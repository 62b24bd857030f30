#pragma once
// The help window: the list of help pages, a search field that narrows the list to the pages
// holding a text, and the page itself.
#include <QStringList>
#include <QWidget>

#include "ui/InterfaceLanguage.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace numora {

// The help pages in `language` ("ja", "en") in reading order, as resource paths
// (":/help/index.html", ":/help/en/index.html", ...).
QStringList HelpPages(const QString& language = InterfaceLanguage());

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the first page with the full list.
    void ShowFirstPage();
    // Shows the first page; a closed window opens centred over `owner` (kept on its screen),
    // an open one comes to the front where it is.
    void OpenOver(const QWidget& owner);
    // Lists only the pages holding `text` (any letter case) and opens the first of them at
    // its first occurrence; an empty text lists every page.
    void Search(const QString& text);

    QListWidget* Contents() const { return contents_; }
    QTextBrowser* Page() const { return page_; }

protected:
    // Esc closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open(int row);

    QLineEdit* search_;
    QListWidget* contents_;
    QTextBrowser* page_;
    QStringList paths_;
    QStringList titles_;
    QStringList texts_;  // plain text of each page, for the search
};

}  // namespace numora
