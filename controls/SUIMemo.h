#pragma once

#include "controls/SUIScrollBar.h"
#include "skin/SUIControl.h"

#include <QPointer>
#include <QStringList>

#include <string>
#include <string_view>

class QPlainTextEdit;
class QScrollBar;

// A multi-line text box inside a two-ring border: BorderColor outside, Color inside. The
// text edit it wraps keeps its own scroll bars switched on under every linked skinned bar
// and does the scrolling; the linked bars lie over them and follow them both ways.
//
//   the edit scrolls (keys, wheel, drag, new text, resize)  ->  SyncBars copies range,
//       page, position and thumb length into the linked bars (SyncingBars set)
//   a linked bar's OnChange                                 ->  ScrollFromBar moves the
//       edit's bar to the skinned bar's position (ScrollingFromBar set)
//
// Each direction does nothing while the other's flag is set, so neither feeds back.
class TsuiMemo : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TsuiScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
    Q_PROPERTY(TsuiScrollBar* HScrollBar READ HScrollBar WRITE SetHScrollBar)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)
    Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)

public:
    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    Q_ENUM(TScrollStyle)

    explicit TsuiMemo(QWidget* parent = nullptr);
    ~TsuiMemo() override;

    // Hands the theme to the linked bars, vertical first, then re-applies the style.
    void SetFileTheme(TsuiFileTheme* fileTheme);
    TsuiFileTheme* FileTheme() const { return TsuiStyledControl::FileTheme(); }

    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);

    // Linking takes the bar's orientation, change event and place; the bar given back
    // is left with LineButton 0, Max 100, enabled and without a change handler. A bar is
    // never owned, and forgotten when it is destroyed.
    TsuiScrollBar* VScrollBar() const { return m_vBar; }
    void SetVScrollBar(TsuiScrollBar* bar);
    TsuiScrollBar* HScrollBar() const { return m_hBar; }
    void SetHScrollBar(TsuiScrollBar* bar);

    // The text as UTF-8, up to its first NUL, with any line ends. The shown text is
    // replaced only when it differs, so setting the same text again keeps the view.
    void SetText(std::string_view text);
    // What was set, or what the learner made of it, lines ending in CR LF.
    std::string Text() const;
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const;
    void SetWordWrap(bool wordWrap);
    // Tab goes into the text instead of moving the focus.
    bool WantTabs() const;
    void SetWantTabs(bool wantTabs);
    // The edit's own scroll bars; linking bars sets this.
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    // Kept for stored layouts: without the native border it changes no pixel.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D) { m_ctl3D = ctl3D; }

    QPlainTextEdit* Edit() const { return m_edit; }

    // Lays the linked bars over the memo's edges and syncs them.
    void PlaceBars();
    // Copies the edit's scroll state into the linked bars.
    void SyncBars();

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void ColorChanged() override;
    void FontChanged() override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TLink { Vertical, Horizontal };
    void Link(TLink link, TsuiScrollBar* bar);
    void Release(TsuiScrollBar* bar);
    void BarDestroyed(TLink link);
    void UpdateNativeBars();
    void SyncBar(TsuiScrollBar* bar, QScrollBar* native, bool horizontal);
    void EditHandled(const QEvent& event);
    void ScrollFromBar(TLink link);
    // The memo's bounds in the coordinates of the bar's parent.
    QRect BoundsFor(const TsuiScrollBar* bar) const;
    void UpdatePalette();

    QPlainTextEdit* m_edit;
    std::string m_text;
    // The text was edited since it was set: m_text no longer tells what is shown.
    bool m_edited = false;
    bool m_settingText = false;
    TColor m_borderColor = clBlack;
    QPointer<TsuiScrollBar> m_vBar;
    QPointer<TsuiScrollBar> m_hBar;
    TScrollStyle m_scrollBars = ssNone;
    bool m_ctl3D = true;
    // Set while the memo copies its scroll state into the bars.
    bool m_syncingBars = false;
    // Set while a linked bar scrolls the text.
    bool m_scrollingFromBar = false;
    bool m_leftButtonDown = false;
};
