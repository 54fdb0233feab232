#pragma once
// Opening documents and addresses with their default application, and
// starting a named program on a page. Tests substitute a recording stand-in.

#include <QString>
#include <QUrl>

class TShell {
public:
    virtual ~TShell() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts the program detached with the page as its one argument.
    virtual bool StartProgram(const QString& program, const QString& argument) = 0;
};

class TDesktopShell final : public TShell {
public:
    bool OpenUrl(const QUrl& url) override;
    bool StartProgram(const QString& program, const QString& argument) override;
};
