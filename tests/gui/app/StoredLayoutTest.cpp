#include "app/TErrorBoxes.h"
#include "app/Tfrm_main.h"
#include "controls/SUIStatusBar.h"
#include "platform/core/TTimer.h"
#include "platform/graphics/TColor.h"
#include "skin/SUIForm.h"
#include "skin/SUIThemes.h"
#include "skin/SUITitleBar.h"

#include <QImage>
#include <QMetaProperty>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A published property as the layout names it ("Font.Color" reads the font's colour),
// with an enumeration read as its value's name.
QVariant Published(const QObject& object, const QString& path)
{
    const int dot = path.indexOf('.');
    const QMetaObject& meta = *object.metaObject();
    const int index = meta.indexOfProperty(path.left(dot).toLatin1().constData());
    if (index < 0)
        return QStringLiteral("<no property>");
    const QMetaProperty property = meta.property(index);
    const QVariant value = property.read(&object);
    if (dot >= 0) {
        const QObject* inner = value.value<QObject*>();
        return inner ? Published(*inner, path.mid(dot + 1)) : QVariant();
    }
    if (property.isEnumType())
        return QString::fromLatin1(property.enumerator().valueToKey(value.toInt()));
    return value;
}

struct TSetting {
    const char* property;
    QVariant expected;
};
using TSettings = std::vector<TSetting>;

// Colours in the layout's notation, so a failure names $DEEBEF rather than 14609391.
std::string Text(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::UInt)
        return "$"
            + QString::number(value.toUInt(), 16).toUpper().rightJustified(6, '0').toStdString();
    return value.toString().toStdString();
}

void ExpectSettings(const QObject& object, const TSettings& settings, const std::string& label)
{
    for (const TSetting& setting : settings) {
        const QVariant actual = Published(object, setting.property);
        if (setting.expected.metaType().id() == QMetaType::QImage)
            EXPECT_TRUE(actual == setting.expected)
                << label << "." << setting.property << " is another picture";
        else
            EXPECT_EQ(Text(actual), Text(setting.expected)) << label << "." << setting.property;
    }
}

QImage WinXPBitmap(int element, int frame = 0, int frames = 0)
{
    QImage picture;
    GetBuiltInBitmap(WinXP, element, &picture, frame, frames);
    return picture;
}

TSettings Panel(const char* caption, bool foldable)
{
    return { { "UIStyle", "WinXP" }, { "BorderColor", 0x686868u }, { "Caption", caption },
        { "ShowButton", foldable }, { "CaptionFontColor", clBlack }, { "Color", clWhite } };
}

TSettings ImageButton(const char* caption, bool transparent)
{
    return { { "AutoSize", false }, { "UIStyle", "FromThemeFile" }, { "DrawFocused", false },
        { "FocusedRectMargin", 2 }, { "Stretch", false }, { "MouseContinuouslyDownInterval", 100 },
        { "Transparent", transparent }, { "ModalResult", 0 }, { "Caption", caption },
        { "PicNormal", QImage() } };
}

TSettings GroupBox()
{
    return { { "UIStyle", "WinXP" }, { "Font.Color", 0xCF4602u }, { "ParentColor", true },
        { "BorderColor", 0x686868u }, { "Caption", "" } };
}

TSettings CheckBox(const char* caption, bool visible)
{
    return { { "UIStyle", "WinXP" }, { "AutoSize", true }, { "Checked", false },
        { "State", "cbUnchecked" }, { "Transparent", false }, { "Caption", caption },
        { "Visible", visible } };
}

TSettings TitleBarButton(const char* type, int firstFrame, bool visible)
{
    const int frames = 18;
    return { { "UIStyle", "WinXP" }, { "ButtonType", type }, { "Transparent", false }, { "Top", 5 },
        { "Visible", visible },
        { "PicNormal", WinXPBitmap(SUI_THEME_TitleBarButtonImage, firstFrame, frames) },
        { "PicMouseOn", WinXPBitmap(SUI_THEME_TitleBarButtonImage, firstFrame + 1, frames) },
        { "PicMouseDown", WinXPBitmap(SUI_THEME_TitleBarButtonImage, firstFrame + 2, frames) } };
}

TSettings TitleBarSection(const char* align, bool autoSize, int width, bool stretch, int picture)
{
    return { { "AutoSize", autoSize }, { "Width", width }, { "Align", align },
        { "Stretch", stretch }, { "Picture", WinXPBitmap(picture) } };
}

} // namespace

// Every element of the real window reads back the class and settings it is stored with;
// a colour stored after the style must still be the one read.
TEST(MainWindowLayout, EveryElementHasItsStoredClassAndSettings)
{
    TErrorBoxes boxes("zintaro");
    Tfrm_main window(boxes);
    struct TElement {
        const char* name;
        const char* className;
        TSettings settings;
    };
    const TElement elements[] = {
        { "frm_main", "Tfrm_main",
            { { "Color", clBtnFace }, { "KeyPreview", true }, { "Scaled", false } } },
        { "sFrm_main", "TsuiForm",
            { { "UIStyle", "WinXP" }, { "UIStyleAutoUpdateSub", false },
                { "BorderColor", 0xC82C00u }, { "BorderWidth", 3 }, { "Color", clWhite },
                { "TitleBarDrawAppIcon", false }, { "Font.Name", "Tahoma" }, { "Font.Height", -11 },
                { "Font.Style", "[fsBold]" }, { "Font.Color", clWhite },
                { "MenuBarColor", 0xDEEBEFu }, { "MenuBarHeight", 22 }, { "RoundCorner", 13 } } },
        { "sPC_Client", "TsuiPageControl",
            { { "UIStyle", "WinXP" }, { "LeftMargin", 10 }, { "BorderColor", 0x686868u },
                { "Color", clWhite }, { "ActivePage.objectName", "sTS_main" },
                { "PageCount", 2 } } },
        { "sTS_main", "TsuiTabSheet",
            { { "PageIndex", 0 }, { "TabVisible", false }, { "Color", clWhite },
                { "Enabled", true } } },
        { "sTS_About", "TsuiTabSheet",
            { { "PageIndex", 1 }, { "TabVisible", false }, { "Color", clWhite },
                { "Enabled", false } } },
        { "sSC", "TsuiSideChannel",
            { { "UIStyle", "WinXP" }, { "BorderColor", 0x686868u },
                { "CaptionFontColor", clWindowText }, { "ShowButton", true },
                { "SideBarColor", 0xDEEBEFu }, { "Caption", "Menu" }, { "Font.Name", "Tahoma" },
                { "Align", "suiLeft" }, { "StayOn", true }, { "Color", clWhite },
                { "PopupMode", "suiMouseOn" }, { "QuickMove", true }, { "SideBarWidth", 10 } } },
        { "SBTN_Open", "TSpeedButton", { { "Flat", true }, { "Caption", "Open" } } },
        { "SBTN_download", "TSpeedButton", { { "Flat", true }, { "Caption", "Download" } } },
        { "SBTN_About", "TSpeedButton", { { "Flat", true }, { "Caption", "About" } } },
        { "SBTN_help", "TSpeedButton", { { "Flat", true }, { "Caption", "Help" } } },
        { "MP_word", "TMediaPlayer", { { "Visible", false } } },
        { "MP_rec", "TMediaPlayer", { { "Visible", false }, { "FileName", "" } } },
        { "sPanel_image", "TsuiPanel", Panel("Chinese", false) },
        { "img_word", "TImage",
            { { "Align", "alClient" }, { "Center", true }, { "Stretch", false } } },
        { "sPanel_Note", "TsuiPanel", Panel("English", false) },
        { "sMM_note", "TsuiMemo",
            { { "UIStyle", "WinXP" }, { "BorderColor", clWhite }, { "Align", "alClient" },
                { "Color", clWhite }, { "Ctl3D", false }, { "Enabled", false },
                { "ReadOnly", true }, { "ScrollBars", "ssNone" }, { "Font.Height", -16 } } },
        { "sPanel_Control", "TsuiPanel", Panel("Control Panel", true) },
        { "sIB_Play", "TsuiImageButton", ImageButton("Play", false) },
        { "sIB_Stop", "TsuiImageButton", ImageButton("Stop", false) },
        { "sIB_Pause", "TsuiImageButton", ImageButton("Pause", false) },
        { "sIB_BackWard", "TsuiImageButton", ImageButton("Back", false) },
        { "sIB_forward", "TsuiImageButton", ImageButton("Forward", false) },
        { "suiGroupBox1", "TsuiGroupBox", GroupBox() },
        { "Label1", "TLabel", { { "Caption", "Play Interval" } } },
        { "sTB_interval", "TsuiTrackBar",
            { { "Orientation", "suiHorizontal" }, { "UIStyle", "WinXP" },
                { "BarImage", WinXPBitmap(SUI_THEME_TrackBarBarImage) },
                { "SliderImage", WinXPBitmap(SUI_THEME_TrackBarSliderImage) }, { "Max", 30 },
                { "Min", 0 }, { "Position", 3 }, { "PageSize", 2 }, { "LineSize", 1 },
                { "ShowTick", true }, { "Transparent", false }, { "Frequency", 1 },
                { "ParentColor", true } } },
        { "sCB_Replay", "TsuiCheckBox", CheckBox("Replay", true) },
        { "sCB_Compare", "TsuiCheckBox", CheckBox("Compare", false) },
        { "sSB", "TsuiStatusBar",
            { { "Align", "alBottom" }, { "UIStyle", "WinXP" }, { "PanelColor", clWhite },
                { "Color", clWhite } } },
        { "suiGroupBox2", "TsuiGroupBox", GroupBox() },
        { "Label2", "TLabel", { { "Caption", "Varnel" }, { "Font.Name", "Verdana" } } },
        { "Label3", "TLabel", { { "Caption", " Zintaro" }, { "Font.Height", -21 } } },
        { "StaticText1", "TStaticText", { { "Caption", "Version: 2.0" } } },
        { "StaticText2", "TStaticText", { { "Font.Color", clBlack } } },
        { "suiURLLabel1", "TsuiURLLabel",
            { { "FontHoverColor", clRed }, { "FontLinkColor", clBlue },
                { "Font.Style", "[fsUnderline]" }, { "Font.Color", clBlue },
                { "Cursor", "crHandPoint" } } },
        { "suiImageButton1", "TsuiImageButton", ImageButton("OK", true) },
        { "tmr_play", "TTimer", { { "Enabled", false }, { "Interval", 1000 } } },
        { "Timer2", "TTimer", { { "Interval", 1000 } } },
    };
    for (const TElement& element : elements) {
        const QObject* object = element.name == window.objectName()
            ? &window
            : window.findChild<QObject*>(QString::fromLatin1(element.name));
        ASSERT_NE(object, nullptr) << element.name;
        EXPECT_STREQ(object->metaObject()->className(), element.className) << element.name;
        ExpectSettings(*object, element.settings, element.name);
    }
    EXPECT_FALSE(window.findChild<TTimer*>("Timer2")->Running())
        << "a timer without a handler never ticks";

    // The title bar's buttons and sections, in collection order, with the style's pictures.
    const TsuiTitleBar& bar = window.findChild<TsuiForm*>("sFrm_main")->TitleBar();
    const TSettings buttons[] = {
        TitleBarButton("suiControlBox", 1, true),
        TitleBarButton("suiClose", 16, true),
        TitleBarButton("suiMax", 7, false),
        TitleBarButton("suiMin", 13, true),
    };
    ASSERT_EQ(bar.Buttons().Count(), 4);
    for (int i = 0; i < 4; ++i)
        ExpectSettings(bar.Buttons().Item(i), buttons[i], "button " + std::to_string(i));
    const TSettings sections[] = {
        TitleBarSection("suiLeft", true, 35, false, SUI_THEME_TitleBarLeftImage),
        TitleBarSection("suiRight", true, 35, false, SUI_THEME_TitleBarRightImage),
        TitleBarSection("suiClient", false, 10, true, SUI_THEME_TitleBarClientImage),
    };
    ASSERT_EQ(bar.Sections().Count(), 3);
    for (int i = 0; i < 3; ++i)
        ExpectSettings(bar.Sections().Item(i), sections[i], "section " + std::to_string(i));

    const auto* status = window.findChild<TsuiStatusBar*>("sSB");
    ASSERT_EQ(status->PanelCount(), 3);
    const int widths[] = { 200, 100, 200 };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(status->Panel(i).Width(), widths[i]) << "panel " << i;
}
