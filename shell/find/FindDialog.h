#pragma once
// The modeless find dialog and, with a replacement field and two more buttons, the replace
// dialog. It only collects the request; FindReplace carries it out.
#include <QDialog>

#include "shell/find/FindSession.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numora {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };

    FindDialog(Kind kind, const FindRequest& start, QWidget* parent);

    Kind DialogKind() const { return kind_; }
    // The texts and options as the dialog shows them now.
    FindRequest Request() const;
    void SetRequest(const FindRequest& request);

signals:
    void FindNextRequested();
    void ReplaceRequested();
    void ReplaceAllRequested();

private:
    void UpdateButtons();

    Kind kind_;
    QLineEdit* what_ = nullptr;
    QLineEdit* with_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

}  // namespace numora
