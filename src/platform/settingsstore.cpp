#include "platform/settingsstore.h"

#include <QSettings>

#include "model/product.h"

namespace {
const char* const kOrganisation = "Varn";
const char* const kSettingsGroup = "1.0/Settings";
const char* const kEditorGroup = "1.0/Editor";
const char* const kBrowsersGroup = "1.0/Web Browsers";
const char* const kShowTempletsDialog = "ShowTempletsDialog";

// Registry values are 32-bit integers; a text that is not one is unreadable.
std::optional<int> ReadInt(const QSettings& s, const QString& key)
{
    if (!s.contains(key))
        return std::nullopt;
    bool ok = false;
    int value = s.value(key).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString Key(const char* group, const char* name)
{
    return QString::fromLatin1(group) + '/' + QString::fromLatin1(name);
}
}  // namespace

TSettingsStore::TSettingsStore()
    : settings_(std::make_unique<QSettings>(QString::fromLatin1(kOrganisation), QString::fromLatin1(kProductName)))
{
}

TSettingsStore::TSettingsStore(const QString& folder)
    : settings_(std::make_unique<QSettings>(folder + "/" + kOrganisation + "/" + kProductName + ".conf",
                                            QSettings::IniFormat))
{
}

TSettingsStore::~TSettingsStore() = default;

QString TSettingsStore::FileName() const
{
    return settings_->fileName();
}

QVariant TSettingsStore::EditorValue(const QString& name, const QVariant& fallback) const
{
    return settings_->value(QString::fromLatin1(kEditorGroup) + '/' + name, fallback);
}

bool TSettingsStore::SetEditorValue(const QString& name, const QVariant& value)
{
    settings_->setValue(QString::fromLatin1(kEditorGroup) + '/' + name, value);
    return Flush();
}

bool TSettingsStore::ShowTempletsDialog() const
{
    settings_->sync();
    const QString key = Key(kSettingsGroup, kShowTempletsDialog);
    if (!settings_->contains(key))
        return true;
    auto value = ReadInt(*settings_, key);
    return value && *value != 0;
}

bool TSettingsStore::SetShowTempletsDialog(bool show)
{
    settings_->setValue(Key(kSettingsGroup, kShowTempletsDialog), show ? 1 : 0);
    return Flush();
}

std::optional<TBrowserChoice> TSettingsStore::LoadBrowserChoice() const
{
    settings_->sync();
    settings_->beginGroup(QString::fromLatin1(kBrowsersGroup));
    const bool exists = !settings_->childKeys().isEmpty();
    settings_->endGroup();
    if (!exists)
        return std::nullopt;

    TBrowserChoice choice;
    auto flag = [this](const char* name) -> std::optional<bool> {
        auto v = ReadInt(*settings_, Key(kBrowsersGroup, name));
        if (!v)
            return std::nullopt;
        return *v != 0;
    };
    // Read in the stored order; the first missing value ends the loading.
    if (!(choice.UseDefaultBrowser = flag("UseDefaultBrowser")))
        return choice;
    if (!(choice.UseKnownBrowser = flag("UseKnownBrowser")))
        return choice;
    if (!(choice.UseSpecifiedBrowser = flag("UseSpecifiedBrowser")))
        return choice;
    if (!(choice.SelectedBrowserNumber = ReadInt(*settings_, Key(kBrowsersGroup, "SelectedBrowserNumber"))))
        return choice;
    const QString pathKey = Key(kBrowsersGroup, "SpecifiedBrowserExePath");
    if (settings_->contains(pathKey))
        choice.SpecifiedBrowserExePath = settings_->value(pathKey).toString();
    return choice;
}

bool TSettingsStore::SaveBrowserChoice(bool useDefault, bool useKnown, bool useSpecified, int selected,
                                       const QString& exePath)
{
    settings_->beginGroup(QString::fromLatin1(kBrowsersGroup));
    settings_->setValue("UseDefaultBrowser", useDefault ? 1 : 0);
    settings_->setValue("UseKnownBrowser", useKnown ? 1 : 0);
    settings_->setValue("UseSpecifiedBrowser", useSpecified ? 1 : 0);
    settings_->setValue("SelectedBrowserNumber", selected);
    settings_->setValue("SpecifiedBrowserExePath", exePath);
    settings_->endGroup();
    return Flush();
}

bool TSettingsStore::Flush()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
