#include "shell/RecentDocumentsMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "ui/QtText.h"

namespace numora {

namespace {

const QString kGroup = QStringLiteral("Recent Document List");
[[maybe_unused]] const QString kRecentFileName = QStringLiteral("RecentDocuments.ini");
const QString kCountKey = QStringLiteral("DocumentCount");

QString EntryKey(int number) { return QStringLiteral("Document%1").arg(number); }

QString& RegistryKey() {
    static QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvanta\\") + texts::kProductName;
    return key;
}

// Windows keeps the list in the registry (HKCU\Software\Orvanta\Numora); elsewhere it lives
// beside Numora.ini, so that all of the program's settings are in one folder.
QSettings Store(const std::filesystem::path& settingsFolder) {
#ifdef Q_OS_WIN
    (void)settingsFolder;
    return QSettings(RegistryKey(), QSettings::NativeFormat);
#else
    (void)RegistryKey;
    const QString folder = QString::fromStdU16String(settingsFolder.u16string());
    return QSettings(folder + u'/' + kRecentFileName, QSettings::IniFormat);
#endif
}

// "&1 path"; an ampersand in the path is shown as itself, not taken as an access key.
QString EntryText(int number, const QString& path) {
    QString shown = path;
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

}  // namespace

void RecentDocumentsMenu::SetRegistryKey(const QString& key) { RegistryKey() = key; }

RecentDocumentsMenu::RecentDocumentsMenu(CMainFrame& frame)
    : frame_(frame), placeholder_(frame.Action(CommandId::FileMruFirst)) {
    for (QObject* owner : placeholder_->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) menu_ = menu;
    }
    connect(placeholder_, &QAction::triggered, this,
            [this] { frame_.RunInTurn([this] { Choose(0); }); });
    Rebuild();
}

void RecentDocumentsMenu::Read() {
    QSettings store = Store(frame_.AppSettings().SettingsFolder);
    store.beginGroup(kGroup);
    bool isNumber = false;
    const int maximum = store.value(kCountKey).toInt(&isNumber);
    if (!isNumber) return;
    list_.SetMaximum(maximum);
    std::vector<std::u16string> entries;
    for (int number = 1; number <= list_.Maximum(); ++number) {
        const QVariant value = store.value(EntryKey(number));
        if (value.isValid()) entries.push_back(value.toString().toStdU16String());
    }
    list_.Assign(entries);
    Rebuild();
}

bool RecentDocumentsMenu::Write() const {
    // Every key is rewritten in one go, so two copies of the program leave the entries of
    // whichever closed last, never a mixture of both.
    QSettings store = Store(frame_.AppSettings().SettingsFolder);
    store.beginGroup(kGroup);
    store.setValue(kCountKey, list_.Maximum());
    int number = 1;
    for (const std::u16string& entry : list_.Entries()) {
        store.setValue(EntryKey(number++), ToQString(entry));
    }
    for (; number <= RecentDocuments::kGreatestMaximum; ++number) store.remove(EntryKey(number));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

void RecentDocumentsMenu::Add(const QString& path) {
    // Shown and stored as the system writes names: C:\\Users\\... on Windows.
    list_.Add(QDir::toNativeSeparators(path).toStdU16String());
    Rebuild();
}

void RecentDocumentsMenu::MoveToTop(const QString& path) {
    const std::u16string wanted = path.toStdU16String();
    const auto& entries = list_.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (RecentDocuments::SamePath(entries[i], wanted)) {
            list_.MoveToTop(i);
            Rebuild();
            return;
        }
    }
    Add(path);
}

void RecentDocumentsMenu::Choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list_.Size()) return;
    const QString path = ToQString(list_.Entries()[static_cast<std::size_t>(index)]);
    if (!QFileInfo::exists(path)) {
        ShowError(&frame_, texts::kFileOpenTitle(), path + texts::kFileNotFound());
        list_.Remove(static_cast<std::size_t>(index));
        Rebuild();
        return;
    }
    if (!frame_.ConfirmSaveIfModified()) return;
    OpenDocumentFile(frame_, path);
    // The question's Save As may have added a name in front, so the entry is found again.
    MoveToTop(path);
}

void RecentDocumentsMenu::Rebuild() {
    for (QAction* action : more_) delete action;
    more_.clear();
    const auto& entries = list_.Entries();
    if (entries.empty()) {
        placeholder_->setText(texts::kNoRecentDocuments());
        placeholder_->setEnabled(false);
        return;
    }
    placeholder_->setText(EntryText(1, ToQString(entries.front())));
    placeholder_->setEnabled(true);
    if (menu_ == nullptr) return;
    // New entries go in front of whatever follows the first one (the separator before 終了).
    const QList<QAction*> items = menu_->actions();
    const qsizetype at = items.indexOf(placeholder_);
    QAction* before = at + 1 < items.size() ? items[at + 1] : nullptr;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        auto* action =
            new QAction(EntryText(static_cast<int>(i) + 1, ToQString(entries[i])), menu_);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this,
                [this, index] { frame_.RunInTurn([this, index] { Choose(index); }); });
        menu_->insertAction(before, action);
        more_.push_back(action);
    }
}

}  // namespace numora
