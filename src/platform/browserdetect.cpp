#include "platform/browserdetect.h"

#include <QDir>
#include <QStandardPaths>

namespace {
struct TKnownBrowser {
    const char* name;
    QStringList programs;  // the names distributions install it under, most common first
};

const std::vector<TKnownBrowser>& KnownBrowserTable()
{
    static const std::vector<TKnownBrowser> table = {
        {"Firefox", {"firefox", "firefox-esr"}},
        {"Chromium", {"chromium", "chromium-browser"}},
        {"Google Chrome", {"google-chrome", "google-chrome-stable"}},
        {"Epiphany", {"epiphany", "epiphany-browser"}},
        {"Konqueror", {"konqueror"}},
        {"Opera", {"opera"}},
        {"Vivaldi", {"vivaldi", "vivaldi-stable"}},
        {"Brave", {"brave-browser", "brave"}},
    };
    return table;
}
}  // namespace

std::vector<TWebBrowserNamePath> DetectBrowsers(const QStringList& searchPath)
{
    std::vector<TWebBrowserNamePath> found;
    if (searchPath.isEmpty())
        return found;
    for (const auto& browser : KnownBrowserTable()) {
        for (const QString& program : browser.programs) {
            const QString path = QStandardPaths::findExecutable(program, searchPath);
            if (!path.isEmpty()) {
                found.push_back({QString::fromLatin1(browser.name), path});
                break;
            }
        }
    }
    return found;
}

QStringList SystemSearchPath()
{
    return qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}
