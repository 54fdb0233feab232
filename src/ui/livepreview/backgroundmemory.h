#pragma once
// The background page chosen for each project, kept in the settings store
// under the project's file name. An untitled document keeps its choice in
// memory until a save names it; a project saved under a new name takes the
// page along.

#include <QString>

class TSettingsStore;

class TBackgroundMemory {
public:
    explicit TBackgroundMemory(TSettingsStore& settings) : settings_(settings) {}

    // Another document is open now: the page stored for it ("" for none).
    QString Open(const QString& projectFileName);
    // The same document now has this file name (after a save): true when it
    // changed; the page in use is stored under the new name.
    bool Rename(const QString& projectFileName);
    void Remember(const QString& background);
    const QString& Current() const { return current_; }

private:
    static QString Key(const QString& projectFileName);
    void Store();

    TSettingsStore& settings_;
    QString project_;
    QString current_;
};
