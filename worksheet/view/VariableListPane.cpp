#include "worksheet/view/VariableListPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/ViewTexts.h"

namespace numora {

using texts = view_texts;

VariableListPane::VariableListPane(QWidget* parent)
    : QWidget(parent), list_(new VariableListBox(this)) {
    auto* header = new QWidget(this);
    auto* title = new QLabel(texts::kVariableListTitle(), header);
    title->setObjectName("title");
    auto* close = new QToolButton(header);
    close->setObjectName("close");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(texts::kCloseTip());
    close->setAccessibleName(texts::kCloseListName());
    close->setAutoRaise(true);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(4, 1, 1, 1);
    headerLayout->addWidget(title, 1);
    headerLayout->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(list_, 1);
    setFocusProxy(list_);
    list_->setAccessibleName(texts::kVariableListTitle());

    connect(close, &QToolButton::clicked, this, &VariableListPane::CloseRequested);
    connect(list_, &VariableListBox::NameChosen, this, &VariableListPane::NameChosen);
    connect(list_, &VariableListBox::VariableDeleted, this, &VariableListPane::VariableDeleted);
}

void VariableListPane::SetEngine(CalcEngine* engine) { list_->SetEngine(engine); }

void VariableListPane::Refresh(const CalcEngine& engine) { list_->Refresh(engine); }

void VariableListPane::Follow(const std::vector<LineAssignment>& lines, bool fromTop,
                              const CalcEngine& engine,
                              const std::vector<std::u16string>& takenBack) {
    list_->Follow(lines, fromTop, engine, takenBack);
}

}  // namespace numora
