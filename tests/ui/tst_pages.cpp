// The menu pages: gather and refresh through the binding table, the derived
// border colours, change handling, the separator check, colours and help.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "legibility.h"
#include "model/colorconversion.h"
#include "tst_menueditor_host.h"
#include "ui/pages/colorswatch.h"

namespace {

// A record with a distinct valid value in every field the pages edit.
TAppletData SampleRecord()
{
    TAppletData data = DefaultAppletData();
    int n = 1;
    for (int field : {pMenuZIndex, pSlideStep, pSlideSpeed, pDelayOpenSubMenuInMSec, pDelayCloseSubMenuInMSec,
                      paramDelayShowDescTextInMSec, pSnapDistance, pDragBar_FontSize, pPopDescWidth, pItemPaddingLeft,
                      pInitMenuX, pInitMenuY, pPopDescBorderWidth})
        data[field] = std::to_string(-50 + 37 * n++);
    for (int field : {pDragBar_BGColor, pDragBar_TitleColor, pMainMenuOuterBGColor, pItemNoColor, pItemNoBgColor, pItemOvColor,
                      pItemOvBgColor, pSeparatorColor, pSeparatorLightColor, pPopDescBgColor, pPopDescColor, pPopDescBorderColor})
        data[field] = ColorToHex(0x00102030u * static_cast<unsigned>(n++) & 0x00FFFFFFu);
    data[pAutoCloseSubMenus] = "0";
    data[pSnapEnabled] = "1";
    data[pMenuScrollType] = "2";
    data[pSlideOpenSubMenuEnabled] = "0";
    data[pDragBarEnabled] = "0";
    data[pDragBar_TitleAlign] = "Right";
    data[pDragBar_FontBold] = "0";
    data[pDragBar_FontItalic] = "1";
    data[pItemFontWeight] = "1";
    data[pItemFontStyle] = "0";
    data[pPopDescBorderStyle] = "dashed";
    data[pInternalUse_RootDir_Local_Checked] = "0";
    data[pOnResizeEventHandler] = "  resized(); ";
    data[pOnRMouseMoveEventHandler] = "moved()";
    data[pOnMouseUpHandler] = "up()";
    data[pOnClickEventHandler] = "clicked()";
    data[pDragBar_Title] = " Hello ";
    data[pDragBar_PopTip] = "tip";
    data[pDragBar_FontFamily] = "Verdana";
    data[pItemFontFamily] = "Tahoma";
    data[pSubMenuArrowFileNormal] = "a.gif";
    data[pSubMenuArrowFileOver] = "b.gif";
    data[pInternalUse_RootDir_Local] = "C:\\web";
    data[pInternalUse_RootDir_Remote] = "http://example.com/";
    return data;
}

bool Edited(int field)
{
    static const int unbound[] = {7, 8, 9, 14, 27, 30, 31, 32, 33, 35, 36, 37, 38, 39, 40, 41, 42, 43, 50, 59, 62, 71};
    return std::find(std::begin(unbound), std::end(unbound), field) == std::end(unbound);
}

TAppletData Gathered(TEditorRig& rig)
{
    rig.editor.ApplyGatherRules();
    return rig.host.agent.GetAppletData();
}

bool Refresh(TEditorRig& rig, const TAppletData& data)
{
    rig.host.agent.SetAppletData(data);
    return rig.editor.RefreshMenuPages();
}

}  // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void pagesAndTabsInTheirOrder();
    void gatherAfterRefreshGivesTheSameRecord();
    void gatherDerivesTheBorderShades();
    void gatherLeavesUnboundFieldsEmpty();
    void listsAndRadioPairFollowTheirRules();
    void numbersAreClampedAndAnEmptySpinBoxGathersTheLowest();
    void aFieldThatDoesNotConvertChangesNothing();
    void conversionErrorNamesTheControlAsThePageShowsIt();
    void negativeNumbersSurviveAnyLocale();
    void typedSeparatorIsRefusedKeepingTheText();
    void everyTypedChangeMarksTheDocument();
    void colourSwatchAsksAndChangesOnlyWhenAColourIsChosen();
    void suggestedColourDerivesTheSeparatorShades();
    void slideRuleGreysSpeedAndDelay();
    void helpButtonsCarryTheirTags();
    void arrowBrowseTakesTheNameAndCopiesTheFile();
    void hintLineFollowsThePointer();
};

void TestPages::pagesAndTabsInTheirOrder()
{
    TEditorRig rig;
    QStringList all;
    for (int i = 0; i < rig.editor.Pages()->count(); ++i)
        all << rig.editor.Pages()->tabText(i);
    QCOMPARE(all, QStringList({"Menu", "Layout", "Items", "Misc", "Drag Bar", "PopUp Box", "Advanced", "Item", "Item Misc", "Path"}));
    auto* spin = rig.Control<QSpinBox>("spnedtpSlideStep");
    QVERIFY(spin);
    QCOMPARE(spin->minimum(), -9999);
    QCOMPARE(spin->maximum(), 9999);
    QCOMPARE(rig.Control<QComboBox>("cmbxpPopDescBorderStyle")->count(), 9);
    QCOMPARE(rig.Control<QComboBox>("cmbxpMenuScrollType")->itemText(3), QString("Both H and V Scroll"));
}

void TestPages::gatherAfterRefreshGivesTheSameRecord()
{
    TEditorRig rig;
    const TAppletData sample = SampleRecord();
    QVERIFY(Refresh(rig, sample));
    const TAppletData gathered = Gathered(rig);
    for (int field = 0; field < kAppletFieldCount; ++field) {
        if (Edited(field))
            QCOMPARE(gathered[field], sample[field]);
    }
    // The reset words of the item font read as off and come back as "0".
    QVERIFY(Refresh(rig, DefaultAppletData()));
    QCOMPARE(Gathered(rig)[pItemFontWeight], std::string("0"));
    QCOMPARE(Gathered(rig)[pItemFontStyle], std::string("0"));
}

void TestPages::gatherDerivesTheBorderShades()
{
    TEditorRig rig;
    TAppletData data = SampleRecord();
    data[pMainMenuOuterBGColor] = "c0c0c0";
    QVERIFY(Refresh(rig, data));
    const TAppletData gathered = Gathered(rig);
    const std::vector<std::string> expected = {"C0C0C0", "C0C0C0", "C0C0C0", "5D5D5D", "5D5D5D", "", "FFFFFF", "FFFFFF", "868686", "868686"};
    for (int field = 34; field <= 43; ++field)
        QCOMPARE(gathered[field], expected[size_t(field - 34)]);
}

void TestPages::gatherLeavesUnboundFieldsEmpty()
{
    TEditorRig rig;
    QVERIFY(Refresh(rig, DefaultAppletData()));
    const TAppletData gathered = Gathered(rig);
    for (int field : {7, 8, 9, 14, 27, 30, 31, 32, 33, 39, 50, 59, 62, 71})
        QCOMPARE(gathered[field], std::string());
}

void TestPages::listsAndRadioPairFollowTheirRules()
{
    TEditorRig rig;
    TAppletData data = SampleRecord();
    data[pMenuScrollType] = "2";
    QVERIFY(Refresh(rig, data));
    QCOMPARE(rig.Control<QComboBox>("cmbxpMenuScrollType")->currentText(), QString("Vertical Scroll Only"));

    data[pMenuScrollType] = "7";
    data[pDragBar_TitleAlign] = " Center";      // no entry matches: kept, trimmed as the field is
    data[pPopDescBorderStyle] = "Solid";        // case matters: kept as stored
    data[pInternalUse_RootDir_Local_Checked] = "yes";
    QVERIFY(Refresh(rig, data));
    QVERIFY(!rig.Control<QRadioButton>("rdbtnpInternalUse_RootDir_Local_Checked")->isChecked());
    QVERIFY(!rig.Control<QRadioButton>("rdbtnpInternalUse_RootDir_Local_Checked2")->isChecked());
    TAppletData gathered = Gathered(rig);
    QCOMPARE(gathered[pMenuScrollType], std::string("-1"));
    QCOMPARE(gathered[pDragBar_TitleAlign], std::string("Center"));
    QCOMPARE(gathered[pPopDescBorderStyle], std::string("Solid"));
    QCOMPARE(gathered[pInternalUse_RootDir_Local_Checked], std::string("0"));

    data[pInternalUse_RootDir_Local_Checked] = "1";
    data[pDragBar_TitleAlign] = "Center";
    QVERIFY(Refresh(rig, data));
    gathered = Gathered(rig);
    QCOMPARE(gathered[pInternalUse_RootDir_Local_Checked], std::string("1"));
    QCOMPARE(gathered[pDragBar_TitleAlign], std::string("Center"));
}

void TestPages::numbersAreClampedAndAnEmptySpinBoxGathersTheLowest()
{
    TEditorRig rig;
    TAppletData data = SampleRecord();
    data[pSlideStep] = "123456";
    data[pSlideSpeed] = "-10000";
    QVERIFY(Refresh(rig, data));
    auto* spin = rig.Control<QSpinBox>("spnedtpInitMenuX");
    spin->findChild<QLineEdit*>()->clear();
    const TAppletData gathered = Gathered(rig);
    QCOMPARE(gathered[pSlideStep], std::string("9999"));
    QCOMPARE(gathered[pSlideSpeed], std::string("-9999"));
    QCOMPARE(gathered[pInitMenuX], std::string("-9999"));
}

void TestPages::aFieldThatDoesNotConvertChangesNothing()
{
    TEditorRig rig;
    const TAppletData good = SampleRecord();
    QVERIFY(Refresh(rig, good));
    TAppletData bad = DefaultAppletData();
    bad[pItemPaddingLeft] = "12px";
    rig.host.agent.SetAppletData(bad);
    QVERIFY(!rig.editor.RefreshMenuPages());
    QCOMPARE(rig.host.prompts.shown.size(), 1);
    QCOMPARE(rig.host.prompts.shown[0].kind, QString("error"));
    QCOMPARE(rig.host.prompts.shown[0].text,
             QString("'12px' is not a valid integer value (Items > Position Offset > Items Padding-Left)"));
    // Not even the fields before the bad one were shown.
    QCOMPARE(QString::number(rig.Control<QSpinBox>("spnedtpMenuZIndex")->value()),
             QString::fromStdString(good[pMenuZIndex]));
    QCOMPARE(rig.Control<QLineEdit>("edtpOnResizeEventHandler")->text(),
             QString::fromStdString(good[pOnResizeEventHandler]));
    QCOMPARE(ColorToHex(rig.Control<TColorSwatch>("pnlpDragBar_BGColor")->Value()), good[pDragBar_BGColor]);

    // One bad field in an otherwise good record: the error names the text.
    const auto refused = [&](int field, const std::string& text, const QString& shown) {
        TAppletData one = good;
        one[field] = text;
        rig.host.prompts.Clear();
        rig.host.agent.SetAppletData(one);
        return !rig.editor.RefreshMenuPages() && !rig.host.prompts.shown.isEmpty()
               && rig.host.prompts.shown[0].text.contains(QString("'%1' is not a valid integer value").arg(shown));
    };
    QVERIFY(refused(pPopDescBorderColor, "#FF0000", "$0000F0#F"));
    // Numbers are decimal: the "$" form that colours pass through is refused.
    QVERIFY(refused(pSlideStep, "$10", "$10"));
    QVERIFY(refused(pMenuScrollType, "$1", "$1"));
}

// Every field that can fail to convert, with the words on its page: the tab,
// the innermost group and the label (with the words after the box, and the
// column of a colour table).
void TestPages::conversionErrorNamesTheControlAsThePageShowsIt()
{
    const struct {
        int field;
        const char* where;
    } rows[] = {
        {pInitMenuX, "Menu > Position > Menu Initial X"},
        {pInitMenuY, "Menu > Position > Y"},
        {pSlideStep, "Menu > Slide Effect > Slide Step"},
        {pSlideSpeed, "Menu > Slide Effect > Slide Speed"},
        {pDelayOpenSubMenuInMSec, "Menu > Delay Open/Close Submenu > Wait ... millisecond(s) before opening submenu"},
        {pDelayCloseSubMenuInMSec, "Menu > Delay Open/Close Submenu > Wait ... millisecond(s) before closing submenu"},
        {pItemNoColor, "Items > Color and Background > Text Color, Normal"},
        {pItemOvColor, "Items > Color and Background > Text Color, Mouse Over"},
        {pItemNoBgColor, "Items > Color and Background > BG Color, Normal"},
        {pItemOvBgColor, "Items > Color and Background > BG Color, Mouse Over"},
        {pItemFontSize, "Items > Font Settings > Size"},
        {pSeparatorColor, "Items > Separator > Color"},
        {pSeparatorLightColor, "Items > Separator > Shadow Color"},
        {pItemPaddingLeft, "Items > Position Offset > Items Padding-Left"},
        {pMainMenuOuterBGColor, "Misc > Menu Border > Base Color"},
        {pMenuScrollType, "Misc > Scroll > Menu Scroll Direction"},
        {pSnapDistance, "Misc > Snap > Snap Distance"},
        {pDragBar_FontSize, "Drag Bar > Title Font Settings > Size"},
        {pDragBar_TitleColor, "Drag Bar > Color > Title Color"},
        {pDragBar_BGColor, "Drag Bar > Color > Background Color"},
        {pPopDescColor, "PopUp Box > Color > Text Color"},
        {pPopDescBgColor, "PopUp Box > Color > Background Color"},
        {pPopDescWidth, "PopUp Box > Size > PopUp Description Box Width"},
        {paramDelayShowDescTextInMSec, "PopUp Box > Delay Setting > Wait ... millisecond(s) before displaying PopUp Box"},
        {pPopDescBorderWidth, "PopUp Box > Border > Width"},
        {pPopDescBorderColor, "PopUp Box > Border > Color"},
        {pMenuZIndex, "Advanced > Advanced > Z-Index"},
    };
    TEditorRig rig;
    QStringList wrong;  // every mismatch at once
    for (const auto& row : rows) {
        TAppletData data = SampleRecord();
        data[row.field] = "x9";  // neither a number nor a colour
        rig.host.agent.SetAppletData(data);
        rig.host.prompts.Clear();
        QVERIFY(!rig.editor.RefreshMenuPages());
        const QString text = rig.host.prompts.Texts().join('|');
        if (!QRegularExpression("^'[^']+' is not a valid integer value \\(").match(text).hasMatch()
            || !text.endsWith(QString(" (%1)").arg(row.where)))
            wrong << QString("%1: %2").arg(row.where, text);
    }
    QCOMPARE(wrong, QStringList());
}

void TestPages::negativeNumbersSurviveAnyLocale()
{
    // Swedish writes its minus sign as U+2212; the stored text needs "-".
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    {
        TEditorRig rig;
        TAppletData data = SampleRecord();
        data[pInitMenuX] = "-1234";
        QVERIFY(Refresh(rig, data));
        QCOMPARE(Gathered(rig)[pInitMenuX], std::string("-1234"));
    }
    QLocale::setDefault(before);
}

void TestPages::typedSeparatorIsRefusedKeepingTheText()
{
    TEditorRig rig;
    for (const char* name : {"edtpDragBar_Title", "edtpOnClickEventHandler", "edtpInternalUse_RootDir_Local", "edtpItemFontFamily"}) {
        rig.host.prompts.Clear();
        // The font family is a list of families that takes typing too.
        auto* combo = rig.editor.Pages()->findChild<QComboBox*>(name);
        auto* edit = combo ? combo->lineEdit() : rig.Control<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "ab#$@");
        QCOMPARE(edit->text(), QString("ab#$"));
        QVERIFY(rig.host.prompts.shown.isEmpty());  // no box for the next key to answer
        QCOMPARE(rig.host.hints.last(), QString("The text can't include \"#$@\", it is used by system!"));
    }
    // Spin boxes are never checked, and a refresh runs no check at all.
    rig.host.prompts.Clear();
    QVERIFY(Refresh(rig, SampleRecord()));
    QCOMPARE(rig.host.prompts.shown.size(), 0);
}

void TestPages::everyTypedChangeMarksTheDocument()
{
    TEditorRig rig;
    QVERIFY(Refresh(rig, SampleRecord()));
    const auto marks = [&rig](const std::function<void()>& edit) {
        rig.host.modified = false;
        edit();
        return rig.host.modified;
    };
    QVERIFY(marks([&] { rig.Control<QSpinBox>("spnedtpSnapDistance")->stepBy(1); }));
    QVERIFY(marks([&] { QTest::keyClicks(rig.Control<QLineEdit>("edtpSubMenuArrowFileOver"), "x"); }));
    QVERIFY(marks([&] { rig.Control<QComboBox>("cmbxpMenuScrollType")->setCurrentIndex(0); }));
    QVERIFY(marks([&] { rig.Control<QToolButton>("spdbtnpItemFontWeight")->click(); }));
    QVERIFY(marks([&] { rig.Control<QCheckBox>("chckbxpSnapEnabled")->click(); }));
    QVERIFY(marks([&] { rig.Control<QRadioButton>("rdbtnpInternalUse_RootDir_Local_Checked")->click(); }));
    QVERIFY(marks([&] { rig.Control<QCheckBox>("chckbxpSlideOpenSubMenuEnabled")->click(); }));
}

void TestPages::colourSwatchAsksAndChangesOnlyWhenAColourIsChosen()
{
    TEditorRig rig;
    QVERIFY(Refresh(rig, SampleRecord()));
    auto* swatch = rig.Control<TColorSwatch>("pnlpDragBar_BGColor");
    const QColor before = swatch->Color();
    rig.host.modified = false;
    rig.host.prompts.colors.push_back(std::nullopt);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(!rig.host.modified);
    QCOMPARE(swatch->Color(), before);

    rig.host.prompts.colors.push_back(QColor(0x12, 0x34, 0x56));
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(rig.host.modified);
    QCOMPARE(rig.host.agent.GetAppletData()[pDragBar_BGColor], std::string("123456"));
}

void TestPages::suggestedColourDerivesTheSeparatorShades()
{
    TEditorRig rig;
    TAppletData data = SampleRecord();
    data[pItemNoBgColor] = "3879BA";
    QVERIFY(Refresh(rig, data));
    rig.host.modified = false;
    rig.Control<QPushButton>("btnSeparatorSuggestedColor")->click();
    QVERIFY(rig.host.modified);
    const TAppletData gathered = Gathered(rig);
    QCOMPARE(gathered[pSeparatorColor], std::string("54B5FF"));
    QCOMPARE(gathered[pSeparatorLightColor], std::string("275482"));
    // One step for both shades; asked again, nothing changes and no step is added.
    QUndoStack& history = rig.host.Document().UndoStack();
    QCOMPARE(history.count(), 1);
    QCOMPARE(history.undoText(), QString("Suggested Color"));
    rig.host.modified = false;
    rig.Control<QPushButton>("btnSeparatorSuggestedColor")->click();
    QCOMPARE(history.count(), 1);
    QVERIFY(!rig.host.modified);
}

void TestPages::slideRuleGreysSpeedAndDelay()
{
    TEditorRig rig;
    TAppletData data = SampleRecord();
    data[pSlideOpenSubMenuEnabled] = "1";
    QVERIFY(Refresh(rig, data));
    auto* speed = rig.Control<QSpinBox>("spnedtpSlideSpeed");
    auto* delay = rig.Control<QSpinBox>("spnedtpDelayOpenSubMenuInMSec");
    auto* step = rig.Control<QSpinBox>("spnedtpSlideStep");
    QVERIFY(speed->isEnabled() && delay->isEnabled());

    rig.host.modified = false;
    rig.Control<QCheckBox>("chckbxpSlideOpenSubMenuEnabled")->click();
    QVERIFY(rig.host.modified);
    QVERIFY(!speed->isEnabled());
    QVERIFY(!delay->isEnabled());
    QVERIFY(step->isEnabled());
    // Greyed, the boxes are drawn silver and their values stay readable.
    rig.ShowPageOf(speed);
    for (QSpinBox* box : {speed, delay}) {
        const TDrawnText drawn = DrawnText(box);
        QCOMPARE(QColor(drawn.background), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY2(drawn.contrast >= 4.5, qPrintable(QString("%1: %2:1").arg(box->objectName()).arg(drawn.contrast)));
    }

    // A refresh that sets the check mark runs the rule too.
    QVERIFY(Refresh(rig, data));
    QVERIFY(speed->isEnabled() && delay->isEnabled());
    QVERIFY(QColor(DrawnText(speed).background) != QColor(0xC0, 0xC0, 0xC0));
}

void TestPages::helpButtonsCarryTheirTags()
{
    TEditorRig rig;
    for (int number = 1; number <= 28; ++number) {
        auto* button = rig.Control<QToolButton>(qPrintable(QString("SpeedButton%1").arg(number)));
        QVERIFY2(button, qPrintable(QString::number(number)));
        const int expected = number <= 21 ? number : number == 28 ? 22 : number + 1;
        QCOMPARE(button->property("tag").toInt(), expected);
        rig.host.helpTags.clear();
        button->click();
        QCOMPARE(rig.host.helpTags, QList<int>({expected}));
    }
}

void TestPages::arrowBrowseTakesTheNameAndCopiesTheFile()
{
    TEditorRig rig;
    QVERIFY(rig.editor.RefreshMenuPages());
    QTemporaryDir elsewhere;
    const QString picture = elsewhere.path() + "/my arrow.gif";
    QFile file(picture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIF89a");
    file.close();

    rig.host.prompts.fileNames.push_back(picture);
    rig.host.modified = false;
    rig.Control<QToolButton>("spdbtnpSubMenuArrowFileOver")->click();
    QCOMPARE(rig.host.prompts.shown[0].kind, QString("open"));
    QVERIFY(rig.host.prompts.shown[0].text.startsWith("All Image Files (*.gif *.jpg *.jpeg)"));
    QCOMPARE(rig.Control<QLineEdit>("edtpSubMenuArrowFileOver")->text(), QString("my arrow.gif"));
    QCOMPARE(rig.host.copiedToPreview, QStringList{picture});
    QVERIFY(rig.host.modified);

    rig.host.prompts.fileNames.push_back(QString());  // cancelled
    rig.Control<QToolButton>("spdbtnpSubMenuArrowFileNormal")->click();
    QCOMPARE(rig.Control<QLineEdit>("edtpSubMenuArrowFileNormal")->text(), QString("arrow_normal.gif"));
}

void TestPages::hintLineFollowsThePointer()
{
    TEditorRig rig;
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(rig.Tree(), &enter);
    QCOMPARE(rig.host.hints.last(), QString("Add, modify or remove the item here by clicking Right-Button in mouse"));
    QCoreApplication::sendEvent(rig.Control<QSpinBox>("spnedtpSlideStep"), &enter);
    QCOMPARE(rig.host.hints.last(), QString());
    rig.host.hints.clear();
    rig.editor.SetSuppressTreeEvents(true);
    QCoreApplication::sendEvent(rig.Tree(), &enter);
    QVERIFY(rig.host.hints.isEmpty());
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
