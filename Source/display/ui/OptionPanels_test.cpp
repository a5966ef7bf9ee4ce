#include "display/DisplayTestSupport.h"
#include "testing/ui/WidgetTestSupport.h"
#include "display/PresetFontInfo.h"
#include "display/ui/BurstOptionsPanel.h"
#include "display/ui/FineTunePanel.h"
#include "display/ui/OptionDialogs.h"
#include "display/ui/QtColors.h"
#include "display/ui/QtFontNames.h"
#include "display/ui/SetDisplayModePanel.h"
#include "display/ui/SetFontAndColorsPanel.h"
#include "display/ui/SpeedOptionsPanel.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>

namespace qor {
namespace {

TEST(QtColors, EverySixteenBitComponentSurvivesTheChooser)
{
    int floatLosses = 0;
    for (int v = 0; v <= 65535; ++v) {
        QorColor c{v, 65535 - v, v / 3, 65535};
        QorColor back = fromQColor(toQColor(c));
        ASSERT_TRUE(sameColor(back, c)) << v;
        // What the fraction times 65535, truncated, would have given.
        if (static_cast<int>(static_cast<double>(toQColor(c).redF()) * 65535.0) != v)
            ++floatLosses;
    }
    EXPECT_GT(floatLosses, 30000) << "the fraction path loses a unit in about half of all values";
    QorColor hsv = fromQColor(QColor::fromHsv(0, 255, 255));  // any colour model is converted to RGB
    EXPECT_TRUE(sameColor(hsv, colors::kRed));
}

TEST(QtFontNames, StoredNamesResolveToTheInstalledFonts)
{
    struct Case {
        const char* stored;
        const char* family;
        bool bold;
        const char* pickedBack;  // what picking the shown font stores
    };
    const Case cases[] = {
        {"ArialMT", "Liberation Sans", false, "ArialMT"},
        {"Arial-BoldMT", "Liberation Sans", true, "Arial-BoldMT"},
        {"TimesNewRomanPS-BoldMT", "Liberation Serif", true, "TimesNewRomanPS-BoldMT"},
        {"CourierNewPSMT", "Liberation Mono", false, "CourierNewPSMT"},
        {"Helvetica-Bold", "Liberation Sans", true, "Arial-BoldMT"},
        {"DejaVuSans-Bold", "DejaVu Sans", true, "DejaVuSans-Bold"},
        {"NoSuchFont-Regular", "Liberation Sans", false, "ArialMT"},
    };
    for (const Case& c : cases) {
        QFont f = fontForStoredName(c.stored, 20);
        QFontInfo info(f);
        EXPECT_EQ(info.family().toStdString(), c.family) << c.stored;
        EXPECT_EQ(info.bold(), c.bold) << c.stored;
        EXPECT_EQ(storedNameForFont(f), c.pickedBack) << c.stored;
    }
    QFont picked("Liberation Serif", 18);
    picked.setBold(true);
    EXPECT_EQ(storedNameForFont(picked), "TimesNewRomanPS-BoldMT");
}

TEST(SpeedOptionsPanel, DrivesTheModel)
{
    testing::ReaderFixture f;
    f.store(f.defaults());
    SpeedOptionsModel model(f.options, f.bus);
    model.initialize();
    SpeedOptionsPanel panel(model);
    panel.show();
    auto* unit = child<QComboBox>(&panel, "unitMenu");
    auto* low = child<QLineEdit>(&panel, "lowField");
    auto* high = child<QLineEdit>(&panel, "highField");
    auto* target = child<QLineEdit>(&panel, "targetField");
    EXPECT_EQ(target->text(), "250");
    unit->activated(1);  // as a click on the CPS item does
    EXPECT_EQ(target->text(), "20");
    EXPECT_EQ(child<QLabel>(&panel, "targetFieldApprox")->text(), "= Approx. 240 WPM");

    low->setFocus();
    low->selectAll();
    QTest::keyClicks(low, "0");
    EXPECT_EQ(model.fieldText(SpeedOptionsModel::kLow), "0");
    emit low->editingFinished();  // as the field losing focus does
    EXPECT_EQ(low->text(), "1");

    // 100/118 is refused and the panel stays; 100/119 closes it.
    unit->activated(0);
    low->setText("100");
    high->setText("118");
    target->setText("110");
    child<QPushButton>(&panel, "okButton")->click();
    EXPECT_EQ(panel.result(), QDialog::Rejected);
    ASSERT_EQ(f.alerts.shown.size(), 1u);
    EXPECT_EQ(f.alerts.shown[0].message, MessageTables::localizedString("LowerHigherDifferErr", table::kError));
    high->setText("119");
    child<QPushButton>(&panel, "okButton")->click();
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(f.options.record().highSpeed, 119);
}

TEST(SetDisplayModePanel, ListsFollowTheMode)
{
    testing::ReaderFixture f;
    f.store(f.defaults());
    DisplayModeModel model(f.options, f.bus);
    model.initialize();
    SetDisplayModePanel panel(model);
    panel.show();
    auto* modes = child<QListWidget>(&panel, "modeList");
    auto* options = child<QListWidget>(&panel, "optionList");
    auto* count = child<QSpinBox>(&panel, "countField");
    EXPECT_EQ(options->count(), 5);
    modes->setCurrentRow(2);
    EXPECT_EQ(options->count(), 3);
    EXPECT_EQ(options->currentRow(), 0);
    options->setCurrentRow(1);
    EXPECT_EQ(count->minimum(), 2);
    EXPECT_EQ(count->maximum(), 4);
    EXPECT_EQ(model.count(), 2);
    modes->setCurrentRow(3);
    EXPECT_EQ(options->count(), 4);
    EXPECT_EQ(options->currentItem()->text(), "No Highlighting");
    EXPECT_TRUE(count->isHidden());
    options->setCurrentRow(3);
    count->setValue(3);
    EXPECT_TRUE(child<QCheckBox>(&panel, "combineCheck")->isVisible());
    count->setValue(1);
    EXPECT_FALSE(child<QCheckBox>(&panel, "combineCheck")->isVisible());
}

TEST(BurstOptionsPanel, PageModeWithoutHighlightingOffersOnlyFlashes)
{
    testing::ReaderFixture f;
    OptionsRecord r = f.defaults();
    r.displayMode = {3, 6, 0, 0};
    f.store(r);
    BurstOptionsModel model(f.options, f.bus);
    model.initialize();
    BurstOptionsPanel panel(model);
    panel.show();
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(child<QRadioButton>(&panel, ("burstRow" + std::to_string(row)).c_str())->isEnabled());
    auto* flashes = child<QRadioButton>(&panel, "burstRow4");
    EXPECT_TRUE(flashes->isEnabled());
    EXPECT_TRUE(flashes->isChecked());
    EXPECT_TRUE(child<QLabel>(&panel, "warning")->isVisible());
    EXPECT_EQ(child<QLabel>(&panel, "amountLabel")->text(), "Flashes");
    child<QSpinBox>(&panel, "amountField")->setValue(9);
    child<QPushButton>(&panel, "okButton")->click();
    EXPECT_EQ(f.options.record().burst.burstType, 4);
    EXPECT_EQ(f.options.record().burst.burstNum, 9);
}

TEST(FineTunePanel, CheckBoxesEnableTheirFields)
{
    testing::ReaderFixture f;
    f.store(f.defaults());
    FineTuneModel model(f.options, f.bus);
    model.initialize();
    FineTunePanel panel(model);
    panel.show();
    auto* longWord = child<QCheckBox>(&panel, "flag1");
    auto* delay = child<QSpinBox>(&panel, "field0");
    auto* length = child<QSpinBox>(&panel, "field1");
    EXPECT_FALSE(delay->isEnabled());
    longWord->setChecked(true);
    EXPECT_TRUE(delay->isEnabled());
    EXPECT_TRUE(length->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(&panel, "field2")->isEnabled());
    length->setValue(12);
    child<QPushButton>(&panel, "okButton")->click();
    EXPECT_EQ(f.options.record().delay.bLongWordDelay, 1);
    EXPECT_EQ(f.options.record().delay.wordLength, 12);
}

TEST(SetFontAndColorsPanel, ChoosersAndPresetReachTheRecord)
{
    testing::ReaderFixture f;
    f.store(f.defaults());
    FontAndColorsModel model(f.options, f.bus);
    model.initialize();
    SetFontAndColorsPanel panel(model);
    QString askedTitle;
    panel.chooseColor = [&](const QColor& initial, const QString& title) -> std::optional<QColor> {
        askedTitle = title;
        EXPECT_TRUE(sameColor(fromQColor(initial), colors::kBlack));
        return QColor::fromRgba64(57671, 57671, 57671);  // light grey, exactly
    };
    panel.chooseFont = [](const QFont&) -> std::optional<QFont> {
        QFont font("Liberation Serif");
        font.setPointSizeF(18.7);
        font.setBold(true);
        return font;
    };
    panel.choosePreset = [](const FontTrait& current) {
        EXPECT_EQ(PresetFontColorModel(current).selectedRow(), 0) << "yellow on black is preset 1";
        return 3;
    };
    panel.show();
    child<QPushButton>(&panel, "colorButton1")->click();
    EXPECT_EQ(askedTitle, "Background Color");
    EXPECT_TRUE(sameColor(model.working().backgroundColor, colors::kLightGrey));
    child<QPushButton>(&panel, "fontButton")->click();
    EXPECT_EQ(model.working().fontName, "TimesNewRomanPS-BoldMT");
    EXPECT_EQ(model.working().size, 18);
    child<QPushButton>(&panel, "okButton")->click();
    EXPECT_EQ(f.options.record().font.fontName, "TimesNewRomanPS-BoldMT");
    EXPECT_TRUE(sameColor(f.options.record().font.backgroundColor, colors::kLightGrey));

    child<QPushButton>(&panel, "presetButton")->click();
    EXPECT_EQ(PresetFontInfo::matchingPreset(model.working()), 4);
}

TEST(PresetFontColorPanel, DoubleClickApplies)
{
    FontTrait t;
    PresetFontInfo::traits(t, 2);
    PresetFontColorModel model(t);
    PresetFontColorPanel panel(model);
    panel.show();
    auto* list = child<QListWidget>(&panel, "presetList");
    EXPECT_EQ(list->count(), 10);
    EXPECT_EQ(list->currentRow(), 2);
    QListWidgetItem* item = list->item(7);
    QRect r = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(model.chosenIndex(), 7);
}

// Renders every dialog; with QOR_DIALOG_SHOTS=folder the pictures are
// saved there for a look.
TEST(OptionPanels, RenderOffscreen)
{
    MessageTables::setFolder(QOR_RESOURCES_DIR "/Messages");
    testing::ReaderFixture f;
    OptionsRecord r = f.defaults();
    r.unit = kUnitCPS;
    r.lowSpeed = 8;
    r.highSpeed = 166;
    r.speed = 20;
    r.displayMode = {2, 0, 3, 1};
    f.store(r);
    const char* shots = std::getenv("QOR_DIALOG_SHOTS");
    auto shoot = [&](QWidget& w, const char* name) {
        w.show();
        w.adjustSize();
        QPixmap pm = w.grab();
        EXPECT_FALSE(pm.isNull()) << name;
        EXPECT_GT(pm.width(), 200) << name;
        if (shots)
            pm.save(QDir(shots).filePath(QString(name) + ".png"));
    };
    SpeedOptionsModel speed(f.options, f.bus);
    speed.initialize();
    SpeedOptionsPanel speedPanel(speed);
    shoot(speedPanel, "speed");
    DisplayModeModel mode(f.options, f.bus);
    mode.initialize();
    SetDisplayModePanel modePanel(mode);
    shoot(modePanel, "display_mode");
    OptionsRecord page = r;
    page.displayMode = {3, 8, 2, 0};
    f.store(page);
    BurstOptionsModel burst(f.options, f.bus);
    burst.initialize();
    BurstOptionsPanel burstPanel(burst);
    shoot(burstPanel, "burst");
    FineTuneModel fine(f.options, f.bus);
    fine.initialize();
    fine.setFlag(FineTuneModel::kSentence, true);
    FineTunePanel finePanel(fine);
    shoot(finePanel, "fine_tune");
    FontAndColorsModel font(f.options, f.bus);
    font.initialize();
    SetFontAndColorsPanel fontPanel(font);
    shoot(fontPanel, "font_and_colors");
    PresetFontColorModel presets(font.working());
    PresetFontColorPanel presetPanel(presets);
    shoot(presetPanel, "font_presets");
    MessageTables::setFolder("");
}

TEST(OptionDialogs, MenuEntryPointsRunModallyOnTheReadersOptions)
{
    testing::ReaderFixture f;
    CurrentOptions& current = CurrentOptions::instance();
    current.setUserFolderSource([&] { return f.folder; });
    ASSERT_TRUE(current.loadOptionsFile());
    testing::BusLog log = testing::optionsBusLog(NotificationBus::instance());

    // Each dialog opens modally; the timer finds it, checks it and
    // presses Cancel or OK.
    auto answer = [](const char* title, bool ok) {
        QTimer::singleShot(0, [title, ok] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << title;
            EXPECT_EQ(modal->windowTitle().toStdString(), title);
            if (ok)
                modal->findChild<QPushButton*>("okButton")->click();
            else
                static_cast<QDialog*>(modal)->reject();
        });
    };
    answer("Speed Options", false);
    EXPECT_FALSE(runSpeedOptionsDialog());
    answer("Display Mode", false);
    EXPECT_FALSE(runDisplayModeDialog());
    EXPECT_EQ(log.posts, (std::vector<std::string>{"OptionsUpdateNotification"})) << "cancelled, all the same";
    log.posts.clear();
    answer("Display Mode", true);
    EXPECT_TRUE(runDisplayModeDialog());
    EXPECT_EQ(log.posts, (std::vector<std::string>{"DisplayRecommendationNotification", "OptionsUpdateNotification"}));
    answer("Burst Options", true);
    EXPECT_TRUE(runBurstOptionsDialog());
    answer("Fine Tune", true);
    EXPECT_TRUE(runFineTuneDialog());
    answer("Font and Colors", false);
    EXPECT_FALSE(runFontAndColorsDialog());
    answer("Font and Color Presets", true);
    EXPECT_EQ(runPresetFontColorChooser(current.record().font), 0);
    EXPECT_EQ(f.fileBytes(), encodeOptionsRecord(f.defaults())) << "OK without changes keeps the record";

    current.setUserFolderSource({});
    current.loadOptionsFile();
}

}  // namespace
}  // namespace qor
