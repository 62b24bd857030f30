#pragma once
// The file commands of the main window: New, Open, Save, Save As, dropped files, and the
// document helpers they share with the save question and the recent documents.
#include <QList>
#include <QString>
#include <QUrl>
#include <filesystem>

#include "worksheet/Document.h"

class QWidget;

namespace numora {

class CMainFrame;

// Shows a load or save failure as a message box owned by `owner`.
DocumentReporter ReporterFor(QWidget* owner);
std::filesystem::path ToPath(const QString& path);

// Where Open and Save As start: the data folder, or before any the user's documents folder
// (their home folder when there is none).
QString DialogStartFolder(const std::u16string& dataPath);

// Loads `path` into the worksheet and makes it the document (title, clean, empty undo stack);
// with the option set, then recalculates it as one undo step. On failure the load message was shown
// and the document is as it was; false.
bool OpenDocumentFile(CMainFrame& frame, const QString& path);
// The first of the dropped files, after the save question. The data folder stays.
void OpenDroppedFiles(CMainFrame& frame, const QList<QUrl>& urls);

// The open or save dialog for a worksheet, in the data folder; empty when cancelled.
QString AskDocumentPath(CMainFrame& frame, bool save);
// A file opened or saved through that dialog goes on the recent list, and its folder becomes
// the data folder.
void RememberChosenDocument(CMainFrame& frame, const QString& path);

// A file named on the command line: opened in place of the Untitled worksheet, which is left
// as it is. A file that cannot be loaded is reported and the Untitled worksheet stays.
void OpenStartupFile(CMainFrame& frame, const QString& path);

void AttachFileCommands(CMainFrame& frame);

}  // namespace numora
