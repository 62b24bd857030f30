#pragma once
// The options dialog: two pages over the settings record, and a button that opens the
// settings folder. Each page applies on OK only when it was shown; the pages scroll where the
// screen is too small for them, the buttons below them never do.
#include <QDialog>
#include <functional>

class QPushButton;
class QTabWidget;

namespace numora {

class CConfigBasic;
class CConfigFontColor;
class Settings;

// What OK changed, for the main window to bring the worksheet up to date.
struct ConfigChanges {
    bool basic = false;      // digits and options were written
    bool fontColor = false;  // the font or a colour was changed
};

class CConfigDlg : public QDialog {
    Q_OBJECT
public:
    CConfigDlg(Settings& settings, const QFont& baseFont, QWidget* parent = nullptr);

    CConfigBasic* Basic() const { return basic_; }
    CConfigFontColor* FontColor() const { return fontColor_; }
    QTabWidget* Pages() const { return pages_; }
    QPushButton* SettingsFileButton() const { return settingsFile_; }
    ConfigChanges Changes() const { return changes_; }

    // Opens a folder in the desktop's file manager, false when none could; tests replace it.
    using FolderOpener = std::function<bool(const QString& folder)>;
    void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }

    void setVisible(bool visible) override;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Settings& settings_;
    QTabWidget* pages_;
    CConfigBasic* basic_;
    CConfigFontColor* fontColor_;
    QPushButton* settingsFile_;
    FolderOpener openFolder_;
    ConfigChanges changes_;
    bool sized_ = false;
};

}  // namespace numora
