#include "worksheet/view/CVariableListPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "worksheet/view/CListBoxView.h"
#include "worksheet/view/ViewTexts.h"

using texts = numora::view_texts;

CVariableListPane::CVariableListPane(QWidget* parent)
    : QWidget(parent), list_(new CListBoxView(this)) {
    auto* header = new QWidget(this);
    auto* title = new QLabel(texts::kVariableListTitle(), header);
    title->setObjectName("title");
    auto* close = new QToolButton(header);
    close->setObjectName("close");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(texts::kCloseTip());
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

    connect(close, &QToolButton::clicked, this, &CVariableListPane::CloseRequested);
    connect(list_, &CListBoxView::NameChosen, this, &CVariableListPane::NameChosen);
    connect(list_, &CListBoxView::VariableDeleted, this, &CVariableListPane::VariableDeleted);
}

void CVariableListPane::SetEngine(numora::CalcEngine* engine) { list_->SetEngine(engine); }

void CVariableListPane::Refresh(const numora::CalcEngine& engine) { list_->Refresh(engine); }
