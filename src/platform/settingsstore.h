#pragma once
// The user's settings: whether the template chooser is offered at start-up and
// which browser shows the preview. On Windows the values sit in the registry
// under Software\Varn\Trellimenu 2006\1.0; elsewhere Qt's settings file holds
// the same groups, names and integer values.

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

// The stored preview-browser choice. A value that is absent (or unreadable)
// ends the loading there, so later members are empty too.
struct TBrowserChoice {
    std::optional<bool> UseDefaultBrowser;
    std::optional<bool> UseKnownBrowser;
    std::optional<bool> UseSpecifiedBrowser;
    std::optional<int> SelectedBrowserNumber;
    std::optional<QString> SpecifiedBrowserExePath;
};

class TSettingsStore {
public:
    // The user's own settings.
    TSettingsStore();
    // Settings kept in an INI file below the given folder (tests, portable use).
    explicit TSettingsStore(const QString& folder);
    ~TSettingsStore();

    // Absent means true; a value that cannot be read as an integer means false.
    bool ShowTempletsDialog() const;
    // False when the value could not be written.
    bool SetShowTempletsDialog(bool show);

    // Empty when the "Web Browsers" group does not exist.
    std::optional<TBrowserChoice> LoadBrowserChoice() const;
    bool SaveBrowserChoice(bool useDefault, bool useKnown, bool useSpecified, int selected,
                           const QString& exePath);

    // The editor's own preferences beyond the ones above (page code, dialog
    // folders, window and pane state), in the "1.0/Editor" group under
    // slash-separated names such as "LivePreview/Visible".
    QVariant EditorValue(const QString& name, const QVariant& fallback = QVariant()) const;
    bool SetEditorValue(const QString& name, const QVariant& value);

    QString FileName() const;

private:
    bool Flush();
    std::unique_ptr<QSettings> settings_;
};
