#pragma once
// Every message box and common dialog of the program goes through one seam, so that tests
// answer them without a modal loop and the window code never opens a dialog directly.
#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QFontDialog;
class QPrinter;
class QWidget;

namespace numora {

struct FileDialogRequest {
    QString title;          // empty: the toolkit's own caption
    QString folder;         // initial folder
    QString fileName;       // proposed name (save)
    QStringList filters;    // "テキスト ファイル (*.txt)", ...
    QString defaultSuffix;  // added when the typed name has none
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    // The chosen path, or an empty string when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // False when cancelled; the value is changed only on true.
    virtual bool ChooseFont(QWidget* parent, QFont& font) = 0;
    virtual bool ChooseColor(QWidget* parent, QColor& color) = 0;
    virtual bool SetUpPage(QWidget* parent, QPrinter& printer) = 0;
    // `pageCount` bounds the page range offered.
    virtual bool SetUpPrint(QWidget* parent, QPrinter& printer, int pageCount) = 0;
};

// The real dialogs.
class DialogPrompter : public Prompter {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString SaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool ChooseFont(QWidget* parent, QFont& font) override;
    bool ChooseColor(QWidget* parent, QColor& color) override;
    bool SetUpPage(QWidget* parent, QPrinter& printer) override;
    bool SetUpPrint(QWidget* parent, QPrinter& printer, int pageCount) override;
};

// The font dialog as the worksheet needs it: without effects (underline, strike-out).
void OfferNoFontEffects(QFontDialog& dialog);

// The prompter in use: the real dialogs unless a test installed another.
Prompter& CurrentPrompter();
// Installs `prompter` (not owned); nullptr restores the real dialogs.
void SetPrompter(Prompter* prompter);

// Shorthands for the common message boxes.
void ShowInformation(QWidget* parent, const QString& title, const QString& text);
void ShowError(QWidget* parent, const QString& title, const QString& text);

}  // namespace numora
