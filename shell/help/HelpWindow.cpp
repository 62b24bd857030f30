#include "shell/help/HelpWindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

// The pages live in a static library: their registration must be pulled in by name.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace numora {

namespace {

constexpr int kContentsWidth = 200;  // at the least

const char* const kPageFiles[] = {"index",     "worksheet", "operators", "units",   "percent",
                                  "functions", "userfunc",  "insert",    "options", "keys"};

QString ReadPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString HelpFolder(const QString& language) {
    return language == QLatin1String("ja") ? QStringLiteral(":/help")
                                           : QStringLiteral(":/help/") + language;
}

}  // namespace

QStringList HelpPages(const QString& language) {
    InitHelpResources();
    QStringList pages;
    for (const char* name : kPageFiles) {
        pages << HelpFolder(language) + QStringLiteral("/%1.html").arg(name);
    }
    return pages;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), paths_(HelpPages()) {
    setWindowTitle(tr("Numora ヘルプ"));
    static const QRegularExpression title("<title>(.*)</title>");
    for (const QString& path : paths_) {
        const QString html = ReadPage(path);
        titles_ << title.match(html).captured(1);
        QTextDocument document;
        document.setHtml(html);
        texts_ << document.toPlainText();
    }

    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("検索"));
    search_->setClearButtonEnabled(true);
    contents_ = new QListWidget(this);
    page_ = new QTextBrowser(this);
    page_->setSearchPaths({HelpFolder(InterfaceLanguage())});
    page_->setOpenExternalLinks(true);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(search_);
    sideLayout->addWidget(contents_);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(search_, &QLineEdit::returnPressed, this, [this] { Search(search_->text()); });
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) Search({});
    });
    connect(contents_, &QListWidget::currentRowChanged, this, &HelpWindow::Open);
    // A link followed inside a page moves the mark in the list along.
    connect(page_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const int page = paths_.indexOf(url.toString(QUrl::RemoveFragment).mid(3));
        for (int row = 0; row < contents_->count(); ++row) {
            if (contents_->item(row)->data(Qt::UserRole).toInt() == page) {
                const QSignalBlocker block(contents_);
                contents_->setCurrentRow(row);
            }
        }
    });
    resize(860, 600);
    ShowFirstPage();
    // The list as wide as its longest title (in this language and font), with room for a
    // scroll bar should the window be made short.
    const int listWidth =
        std::max(kContentsWidth, contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() +
                                     contents_->verticalScrollBar()->sizeHint().width());
    splitter->setSizes({listWidth, std::max(0, width() - listWidth - splitter->handleWidth())});
}

void HelpWindow::ShowFirstPage() {
    search_->clear();
    Search({});
}

void HelpWindow::OpenOver(const QWidget& owner) {
    ShowFirstPage();
    if (!isVisible()) {
        QRect rect(QPoint(0, 0), size());
        rect.moveCenter(owner.frameGeometry().center());
        if (const QScreen* screen = owner.screen()) {
            const QRect area = screen->availableGeometry();
            rect.setSize(rect.size().boundedTo(area.size()));
            rect.moveCenter(owner.frameGeometry().center());
            rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
            rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
        }
        setGeometry(rect);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::Search(const QString& text) {
    contents_->blockSignals(true);
    contents_->clear();
    for (int i = 0; i < paths_.size(); ++i) {
        if (text.isEmpty() || texts_[i].contains(text, Qt::CaseInsensitive)) {
            auto* item = new QListWidgetItem(titles_[i], contents_);
            item->setData(Qt::UserRole, i);
        }
    }
    contents_->blockSignals(false);
    if (contents_->count() == 0) return;
    contents_->setCurrentRow(0);
    Open(0);
    if (!text.isEmpty()) page_->find(text);
}

void HelpWindow::Open(int row) {
    const QListWidgetItem* item = contents_->item(row);
    if (!item) return;
    page_->setSource(QUrl(QStringLiteral("qrc") + paths_[item->data(Qt::UserRole).toInt()]));
}

}  // namespace numora
