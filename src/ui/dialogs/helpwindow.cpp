#include "ui/dialogs/helpwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "files/pathtofileurl.h"

const char* const kHelpFallbackPage = "getting_started.htm";

namespace {

const THelpTopic kHelpTopics[] = {
    {1, "SpeedButton1", "customizing_js_menu_menu_position.htm"},
    {2, "SpeedButton2", "customizing_js_menu_menu_slide_effect.htm"},
    {3, "SpeedButton3", "customizing_js_menu_menu_delay_open_close_submenu.htm"},
    {4, "SpeedButton4", "customizing_js_menu_items_color_and_background.htm"},
    {5, "SpeedButton5", "customizing_js_menu_items_font_settings.htm"},
    {6, "SpeedButton6", "customizing_js_menu_items_separator.htm"},
    {7, "SpeedButton7", "customizing_js_menu_items_position_offset.htm"},
    {8, "SpeedButton8", "customizing_js_menu_misc_menu_border.htm"},
    {9, "SpeedButton9", "customizing_js_menu_misc_submenu_arrow_indicator.htm"},
    {10, "SpeedButton10", "customizing_js_menu_misc_scroll.htm"},
    {11, "SpeedButton11", "customizing_js_menu_misc_snap.htm"},
    {12, "SpeedButton12", "customizing_js_menu_dragbar_dragbar.htm"},
    {13, "SpeedButton13", "customizing_js_menu_dragbar_title_and_tip.htm"},
    {14, "SpeedButton14", "customizing_js_menu_dragbar_title_font_settings.htm"},
    {15, "SpeedButton15", "customizing_js_menu_dragbar_color.htm"},
    {16, "SpeedButton16", "customizing_js_menu_popupbox_color.htm"},
    {17, "SpeedButton17", "customizing_js_menu_popupbox_size.htm"},
    {18, "SpeedButton18", "customizing_js_menu_popupbox_delay_setting.htm"},
    {19, "SpeedButton19", "customizing_js_menu_popupbox_border.htm"},
    {20, "SpeedButton20", "customizing_js_menu_advanced_z_index.htm"},
    {21, "SpeedButton21", "customizing_js_menu_advanced_event_handlers.htm"},
    // The Path page's button came last, but its tag follows the menu pages.
    {22, "SpeedButton28", "customizing_js_menu_path_path.htm"},
    {23, "SpeedButton22", "customizing_js_item_item_separator.htm"},
    {24, "SpeedButton23", "customizing_js_item_item_caption.htm"},
    {25, "SpeedButton24", "customizing_js_item_item_link.htm"},
    {26, "SpeedButton25", "customizing_js_item_item_description.htm"},
    {27, "SpeedButton26", "customizing_js_item_itemmisc_menu_size.htm"},
    {28, "SpeedButton27", "customizing_js_item_itemmisc_submenu_arrow_indicator.htm"},
    // The Layout page came after the others; its tags follow theirs.
    {29, "SpeedButton29", "customizing_js_menu_layout_layout.htm"},
    {30, "SpeedButton30", "customizing_js_menu_layout_bar.htm"},
    {31, "SpeedButton31", "customizing_js_menu_layout_dark_colours.htm"},
    {kWebBrowserHelpContext, "", "option_web_browser.htm"},
};
constexpr int kHelpTopicCount = int(sizeof kHelpTopics / sizeof kHelpTopics[0]);

// Client area of the window, as wide as a narrow page of text.
constexpr int kClientWidth = 402;
constexpr int kClientHeight = 428;

}  // namespace

const THelpTopic* HelpTopics(int* count)
{
    if (count)
        *count = kHelpTopicCount;
    return kHelpTopics;
}

QString HelpPageForTag(int tag)
{
    for (const THelpTopic& topic : kHelpTopics)
        if (topic.tag == tag)
            return QString::fromLatin1(topic.page);
    return QString::fromLatin1(kHelpFallbackPage);
}

QString HelpButtonName(int tag)
{
    for (const THelpTopic& topic : kHelpTopics)
        if (topic.tag == tag)
            return QString::fromLatin1(topic.button);
    return QString();
}

TfrmHelp::TfrmHelp(const QString& programFolder, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), programFolder_(programFolder), mainWindow_(mainWindow)
{
    setObjectName("frmHelp");
    setWindowTitle("Help");
    setFixedSize(kClientWidth, kClientHeight);
    webBrowser1_ = new QTextBrowser(this);
    webBrowser1_->setObjectName("WebBrowser1");
    // Links inside the help stay in the window; web addresses go to the browser.
    webBrowser1_->setOpenLinks(true);
    webBrowser1_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(webBrowser1_);
}

void TfrmHelp::SpeedButton1Click(int tag)
{
    Navigate(QDir(programFolder_).filePath("help/" + HelpPageForTag(tag)));
    // A modal dialog blocks every window outside it, this one included.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();  // modality changes take effect at the next show
        setWindowModality(modality);
    }
    if (!placed_) {
        PlaceBesideMainWindow();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

QUrl TfrmHelp::CurrentAddress() const
{
    return currentAddress_;
}

void TfrmHelp::Navigate(const QString& path)
{
    // The stored form of a file address keeps the old drive notation, which the
    // view cannot load; the view gets the same file as a proper local address.
    const QString stored = QString::fromStdString(PathToFileURL(QDir::toNativeSeparators(path).toStdString()));
    currentAddress_ = QUrl::fromLocalFile(QDir::cleanPath(path));
    if (QFileInfo::exists(currentAddress_.toLocalFile())) {
        webBrowser1_->setSource(currentAddress_);
        return;
    }
    // A blank view would leave the user guessing; say which page is missing.
    webBrowser1_->setHtml(QStringLiteral("<h3>Help page not found</h3><p>The page <tt>%1</tt> is missing. "
                                         "Reinstalling Trellimenu restores the help pages.</p>")
                              .arg(stored.toHtmlEscaped()));
}

void TfrmHelp::PlaceBesideMainWindow()
{
    if (!mainWindow_)
        return;
    const QRect main = mainWindow_->frameGeometry();
    const QScreen* screen = mainWindow_->screen();
    const QRect avail = screen ? screen->availableGeometry() : QRect();
    QPoint at(main.right() + 1, main.top());
    if (avail.isValid() && at.x() + frameGeometry().width() > avail.right())
        at.setX(qMax(avail.left(), main.left() - frameGeometry().width()));
    move(at);
}

void TfrmHelp::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}

void TfrmHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
