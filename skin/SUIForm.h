#pragma once

#include "platform/forms/TLayoutReader.h"
#include "skin/SUIControl.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUITitleBar.h"

#include <QImage>
#include <QPointer>

// What the window's border allowed before the skinned frame took it over.
enum class TFormBorderStyle { None, Single, Sizeable };

// Where a point of the window lies for resizing, in the desktop's hit-test codes.
enum THitCode : int {
    htClient = 1,
    htLeft = 10,
    htRight = 11,
    htTop = 12,
    htTopLeft = 13,
    htTopRight = 14,
    htBottom = 15,
    htBottomLeft = 16,
    htBottomRight = 17,
};

// The skinned frame: dropped on a top-level form, it makes the form frameless, covers it
// but for a coloured border strip on the left, right and bottom, carries the skinned title
// bar at its top, lets the edges resize the window, and passes its style on to the bar and
// (when asked) to its children. The application's controls go inside it. The title bar's
// settings are published here under TitleBar... names and read and write the bar itself;
// Font is the bar's caption font.
class TsuiForm : public TsuiControl, public ICollectionOwner {
    Q_OBJECT
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
    Q_PROPERTY(TFont* Font READ TitleBarFont)
    Q_PROPERTY(TsuiMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(quint32 MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
    Q_PROPERTY(TControl* FormPanel READ FormPanel WRITE SetFormPanel)
    Q_PROPERTY(int Width READ Width WRITE SetFormWidth)
    Q_PROPERTY(int Height READ Height WRITE SetFormHeight)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    static constexpr int kMinFormWidth = 125;
    static constexpr int kMinFormHeight = 50;

    // On a top-level form this takes the form over; anywhere else it is a plain panel.
    // Throws when the form already has a TsuiForm.
    explicit TsuiForm(QWidget* parent = nullptr);
    ~TsuiForm() override;

    // The form taken over; nullptr when the parent is no top-level form.
    QWidget* OwnerForm() const { return m_ownerForm; }
    TFormBorderStyle InitialBorderStyle() const { return m_initialBorderStyle; }

    bool UIStyleAutoUpdateSub() const { return m_autoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool value) { m_autoUpdateSub = value; }
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    bool TitleBarVisible() const { return m_titleBarVisible; }
    void SetTitleBarVisible(bool visible);
    bool TitleBarCustom() const { return m_titleBar->Custom(); }
    void SetTitleBarCustom(bool custom) { m_titleBar->SetCustom(custom); }
    bool TitleBarDrawAppIcon() const { return m_titleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool draw) { m_titleBar->SetDrawAppIcon(draw); }
    int RoundCorner() const { return m_titleBar->RoundCorner(); }
    void SetRoundCorner(int radius) { m_titleBar->SetRoundCorner(radius); }
    TFont* TitleBarFont() const { return m_titleBar->Font(); }
    TsuiTitleBar& TitleBar() const { return *m_titleBar; }
    TsuiTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick()
    {
        return m_titleBar->OnCustomBtnsClick;
    }
    TsuiTitleBarButtonClickEvent& OnTitleBarHelpBtnClick() { return m_titleBar->OnHelpBtnClick; }

    // The lists "TitleBarButtons" and "TitleBarSections" are the bar's.
    bool ClearCollection(std::string_view collection) override;
    QObject* AddCollectionItem(std::string_view collection) override;
    // The menu shown in the menu bar; the bar exists while there is one.
    TsuiMainMenu* Menu() const { return m_menu; }
    void SetMenu(TsuiMainMenu* menu);
    TsuiMenuBar* MenuBar() const { return m_menuBar; }
    // What the main menu asks of its frame.
    void RebuildMenuButtons();
    void RefreshMenuButtons();
    void ApplyMenuFont();
    TColor MenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(TColor color);
    int MenuBarHeight() const { return m_menuBarHeight; }
    void SetMenuBarHeight(int height);
    TControl* FormPanel() const { return m_formPanel; }
    void SetFormPanel(TControl* panel);
    // The form grows or shrinks around the frame: v + 2B wide, v + B + B div 2 high.
    void SetFormWidth(int width);
    void SetFormHeight(int height);
    QString Version() const { return QStringLiteral("4.06"); }
    void SetVersion(const QString&) { }

    // The resize edge under a point in the form's coordinates; htClient for none.
    THitCode ResizeEdgeAt(QPoint formPoint) const;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void CaptionChanged() override;
    void Loaded() override;

private:
    void TakeOverForm();
    void Layout();
    void PaintBorder(QWidget& form) const;
    void FormResized();
    bool FilterEdgeMouse(QWidget* target, QEvent* event);
    bool MenuShortcut(const QKeyEvent& key) const;

    QPointer<QWidget> m_ownerForm;
    TsuiTitleBar* m_titleBar = nullptr;
    QPointer<TsuiMenuBar> m_menuBar;
    QPointer<TsuiMainMenu> m_menu;
    TFormBorderStyle m_initialBorderStyle = TFormBorderStyle::Sizeable;
    TColor m_borderColor = 0x000000;
    QPointer<TControl> m_formPanel;
    int m_borderWidth = 1;
    TColor m_menuBarColor = 0;
    int m_menuBarHeight = 22;
    bool m_autoUpdateSub = false;
    // Set on the one frame whose filter runs the menu shortcuts of every key typed.
    bool m_messageHandler = false;
    bool m_titleBarVisible = true;
    QRect m_savedNormalBounds;
    bool m_createdMaximised = false;
    bool m_resizeCursor = false;
    QImage m_backgroundTile;
};

// The skinned frame of the window the widget sits in; nullptr when it has none.
TsuiForm* FindFormFrame(const QWidget* widget);
