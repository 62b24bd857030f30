#pragma once
// A prompter for GUI tests: records every question and answers from a queue, so no modal
// dialog ever opens. An unexpected question is answered with Cancel (or a cancelled dialog)
// and recorded, so a test sees it instead of hanging.
#include <QPrinter>
#include <deque>
#include <vector>

#include "ui/Prompter.h"

namespace numora::test {

struct AskedMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { SetPrompter(this); }
    ~ScriptedPrompter() override { SetPrompter(nullptr); }

    std::deque<QMessageBox::StandardButton> answers;  // for Message
    std::deque<QString> files;                        // for Open/SaveFileName ("" = cancel)
    std::deque<QFont> fonts;
    std::deque<QColor> colors;
    std::deque<bool> printAnswers;  // for SetUpPage / SetUpPrint
    QString printToFile;            // set as the printer's output file
    int fromPage = 0, toPage = 0;   // a page range chosen in the print dialog
    int offeredPages = 0;           // the last page count the dialog offered
    QMarginsF pageSetupMargins;     // millimetres chosen in page setup, if set

    std::vector<AskedMessage> messages;
    std::vector<FileDialogRequest> fileRequests;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override {
        messages.push_back({icon, title, text, buttons, defaultButton});
        if (answers.empty())
            return buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString OpenFileName(QWidget*, const FileDialogRequest& request) override {
        return NextFile(request);
    }
    QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
        return NextFile(request);
    }
    bool ChooseFont(QWidget*, QFont& font) override { return Next(fonts, font); }
    bool ChooseColor(QWidget*, QColor& color) override { return Next(colors, color); }
    bool SetUpPage(QWidget*, QPrinter& printer) override {
        if (!pageSetupMargins.isNull()) {
            printer.setPageMargins(pageSetupMargins, QPageLayout::Millimeter);
        }
        return NextPrintAnswer();
    }
    bool SetUpPrint(QWidget*, QPrinter& printer, int pageCount) override {
        offeredPages = pageCount;
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        if (!printToFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printToFile);
        }
        return NextPrintAnswer();
    }

private:
    QString NextFile(const FileDialogRequest& request) {
        fileRequests.push_back(request);
        if (files.empty()) return {};
        QString file = files.front();
        files.pop_front();
        return file;
    }
    template <class T>
    static bool Next(std::deque<T>& queue, T& value) {
        if (queue.empty()) return false;
        value = queue.front();
        queue.pop_front();
        return true;
    }
    bool NextPrintAnswer() {
        bool answer = false;
        Next(printAnswers, answer);
        return answer;
    }
};

}  // namespace numora::test
