#include "shell/find/FindDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/find/FindTexts.h"

namespace numora {

FindDialog::FindDialog(Kind kind, const FindRequest& start, QWidget* parent)
    : QDialog(parent), kind_(kind) {
    using t = findtexts;
    setWindowTitle(kind == Kind::Find ? t::FindDialogTitle() : t::ReplaceDialogTitle());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* fields = new QFormLayout;
    what_ = new QLineEdit(this);
    fields->addRow(t::WhatLabel(), what_);
    if (kind == Kind::Replace) {
        with_ = new QLineEdit(this);
        fields->addRow(t::WithLabel(), with_);
    }
    wholeWord_ = new QCheckBox(t::WholeWord(), this);
    matchCase_ = new QCheckBox(t::MatchCase(), this);
    auto* options = new QVBoxLayout;
    options->addLayout(fields);
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    // The replace dialog always searches downwards.
    up_ = new QRadioButton(t::Up(), this);
    down_ = new QRadioButton(t::Down(), this);
    if (kind == Kind::Find) {
        auto* direction = new QGroupBox(t::Direction(), this);
        auto* directionLayout = new QHBoxLayout(direction);
        directionLayout->addWidget(up_);
        directionLayout->addWidget(down_);
        options->addWidget(direction);
    } else {
        up_->hide();
        down_->hide();
    }
    options->addStretch();

    auto* buttons = new QVBoxLayout;
    findNext_ = new QPushButton(t::FindNextButton(), this);
    findNext_->setDefault(true);
    buttons->addWidget(findNext_);
    connect(findNext_, &QPushButton::clicked, this, &FindDialog::FindNextRequested);
    if (kind == Kind::Replace) {
        replace_ = new QPushButton(t::ReplaceButton(), this);
        replaceAll_ = new QPushButton(t::ReplaceAllButton(), this);
        buttons->addWidget(replace_);
        buttons->addWidget(replaceAll_);
        connect(replace_, &QPushButton::clicked, this, &FindDialog::ReplaceRequested);
        connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::ReplaceAllRequested);
    }
    auto* cancel = new QPushButton(t::CancelButton(), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options, 1);
    layout->addLayout(buttons);

    connect(what_, &QLineEdit::textChanged, this, &FindDialog::UpdateButtons);
    SetRequest(start);
    what_->setFocus();
}

FindRequest FindDialog::Request() const {
    FindRequest request;
    request.what = what_->text();
    request.with = with_ ? with_->text() : QString();
    request.options.matchCase = matchCase_->isChecked();
    request.options.wholeWord = wholeWord_->isChecked();
    request.down = kind_ == Kind::Replace || down_->isChecked();
    return request;
}

void FindDialog::SetRequest(const FindRequest& request) {
    what_->setText(request.what);
    what_->selectAll();
    if (with_) with_->setText(request.with);
    matchCase_->setChecked(request.options.matchCase);
    wholeWord_->setChecked(request.options.wholeWord);
    (request.down ? down_ : up_)->setChecked(true);
    UpdateButtons();
}

void FindDialog::UpdateButtons() {
    const bool any = !what_->text().isEmpty();
    for (QPushButton* button : {findNext_, replace_, replaceAll_}) {
        if (button) button->setEnabled(any);
    }
}

}  // namespace numora
