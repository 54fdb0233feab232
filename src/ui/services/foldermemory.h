#pragma once
// Where a file dialog starts: the folder last used for files of its kind,
// each kind on its own.

#include <QString>

class TSettingsStore;

enum class TFolderKind { Projects, Structures, Images };

class TFolderMemory {
public:
    virtual ~TFolderMemory() = default;
    // The folder last used for this kind, else the user's home.
    virtual QString LastFolder(TFolderKind kind) const = 0;
    // The folder of a file just chosen, to start there next time; "" is ignored.
    virtual void RememberFolderOf(TFolderKind kind, const QString& file) = 0;
};

// Kept in the editor's settings, so the next session starts there too.
class TSettingsFolderMemory final : public TFolderMemory {
public:
    explicit TSettingsFolderMemory(TSettingsStore& settings) : settings_(settings) {}
    QString LastFolder(TFolderKind kind) const override;
    void RememberFolderOf(TFolderKind kind, const QString& file) override;

private:
    TSettingsStore& settings_;
};
