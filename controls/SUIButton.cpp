#include "controls/SUIButton.h"

#include "platform/forms/TForm.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <optional>

namespace {

// A button's size before anything sizes it.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// What a bitmap is taken to be when it has no size, and the state bitmap a picture that
// cannot be converted leaves behind.
constexpr QSize kEmptyStateSize(74, 21);
// The disabled caption: grey, over a white copy one pixel right and down.
constexpr TColor kDisabledCaptionColor = 0x808080;
constexpr TColor kDisabledShadowColor = 0xFFFFFF;
// Greyed pictures are grey everywhere, so magenta can mark their see-through pixels.
constexpr TColor kGreyedKey = 0xFF00FF;

// The check box's glyph at (1, centred), its caption 4 pixels after the glyph; auto-size
// adds 4 to the height and 8 to the width.
constexpr int kGlyphLeft = 1;
constexpr int kCaptionGap = 4;
constexpr int kAutoSizeExtraHeight = 4;
constexpr int kAutoSizeExtraWidth = 8;

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// Alt+x and x for a caption with "&x"; none without.
QList<QKeySequence> AcceleratorKeys(const QString& caption)
{
    const QKeySequence withAlt = QKeySequence::mnemonic(caption);
    if (withAlt.isEmpty())
        return {};
    return { withAlt, QKeySequence(withAlt[0].key()) };
}

// The picture in grey levels; with a key colour, the key's pixels come out as kGreyedKey.
QImage Greyed(const QImage& picture, std::optional<TColor> key)
{
    QImage greyed = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < greyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(greyed.scanLine(y));
        for (int x = 0; x < greyed.width(); ++x) {
            if (key && FromPixel(row[x]) == *key) {
                row[x] = ToPixel(kGreyedKey);
                continue;
            }
            const int level = qGray(row[x]);
            row[x] = qRgb(level, level, level);
        }
    }
    return greyed;
}

std::optional<TColor> TopLeftKey(const QImage& picture, bool transparent)
{
    if (!transparent)
        return std::nullopt;
    return FromPixel(picture.pixel(0, 0));
}

// Moving the focus into a control that can take it: shown and enabled, window included.
void FocusIfPossible(QWidget* control)
{
    if (control->isVisible() && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

} // namespace

// ---- TsuiWindowKeys -------------------------------------------------------------------

void TsuiWindowKeys::Set(
    QWidget* control, const QList<QKeySequence>& keys, const std::function<void()>& action)
{
    for (const QPointer<QShortcut>& shortcut : m_shortcuts)
        delete shortcut.data();
    m_shortcuts.clear();
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, control);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, control, action);
        m_shortcuts.emplace_back(shortcut);
    }
}

// ---- TsuiCustomButton -----------------------------------------------------------------

TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : TsuiCustomButton(parent, TStyleLater {})
{
    TakeFormStyle();
}

TsuiCustomButton::TsuiCustomButton(QWidget* parent, TStyleLater)
    : TsuiControl(parent)
{
    SetBounds(0, 0, kButtonWidth, kButtonHeight);
    SetTabStop(true);
    SetClickKeys(true);
    Press().SetRepeatOnPress(true);
    Press().SetRepeatInterval(m_repeatInterval);
    Press().OnRepeat = [this] { FireEvent(OnMouseContinuouslyDown); };
}

void TsuiCustomButton::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    UpdateAutoSize();
    update();
}

void TsuiCustomButton::SetCancel(bool cancel)
{
    m_cancel = cancel;
    UpdateDialogKeys();
}

void TsuiCustomButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    UpdateDialogKeys();
}

void TsuiCustomButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCustomButton::SetMouseContinuouslyDownInterval(int milliseconds)
{
    m_repeatInterval = milliseconds;
    // A hold already repeating keeps its period.
    Press().SetRepeatInterval(milliseconds);
}

void TsuiCustomButton::SetFocusedRectMargin(int margin)
{
    m_focusedRectMargin = margin;
    update();
}

TNotifyEvent* TsuiCustomButton::FindEvent(std::string_view name)
{
    if (name == "OnMouseEnter")
        return &OnMouseEnter;
    if (name == "OnMouseExit")
        return &OnMouseExit;
    if (name == "OnMouseContinuouslyDown")
        return &OnMouseContinuouslyDown;
    return TsuiControl::FindEvent(name);
}

void TsuiCustomButton::AddAccessibleState(QAccessible::State& state) const
{
    state.pressed = Press().Pressed();
}

TsuiCustomButton::TLook TsuiCustomButton::Look() const
{
    if (!isEnabled())
        return TLook::Disabled;
    if (Press().Pressed())
        return TLook::MouseDown;
    if (Press().Hot())
        return TLook::MouseOn;
    return TLook::Normal;
}

void TsuiCustomButton::UpdateAutoSize()
{
    if (!m_autoSize)
        return;
    // The built-in bitmap of the stored style, never the theme file's: FromThemeFile
    // finds nothing here and takes the empty state's size.
    QImage whole;
    GetBuiltInBitmap(TsuiStyledControl::UIStyle(), SUI_THEME_ButtonImage, &whole);
    const int width = whole.width() > 0 ? whole.width() : kEmptyStateSize.width();
    const int height = whole.height() > 0 ? whole.height() : kEmptyStateSize.height();
    SetBounds(x(), y(), width / 3, height);
}

QImage TsuiCustomButton::LookPicture(TLook look) const
{
    switch (look) {
    case TLook::MouseOn:
        return m_frames[1];
    case TLook::MouseDown:
        return m_frames[2];
    case TLook::Normal:
    case TLook::Disabled:
        break;
    }
    return m_frames[0];
}

void TsuiCustomButton::DrawPicture(TCanvas& canvas, const QImage& picture) const
{
    if (picture.isNull())
        return;
    const TRect bounds = TRect::FromSize(picture.width(), picture.height());
    const std::optional<TColor> key = TopLeftKey(picture, m_transparent);
    if (isEnabled())
        canvas.CopyRect(bounds, picture, bounds, key);
    else
        canvas.CopyRect(bounds, Greyed(picture, key), bounds,
            key ? std::optional<TColor>(kGreyedKey) : std::nullopt);
}

void TsuiCustomButton::Click()
{
    // A click from a key or an accelerator ends a press and its repeat.
    if (Press().Pressed())
        Press().EndPress();
    if (TabStop())
        FocusIfPossible(this);
    if (auto* form = qobject_cast<TForm*>(window()))
        form->SetModalResult(m_modalResult);
    // Last: the handler may close the window.
    TsuiControl::Click();
}

void TsuiCustomButton::ApplyStyle(const TsuiStyleSource& source)
{
    for (int i = 0; i < 3; ++i) {
        m_frames[i] = QImage();
        source.GetBitmapFrame(SUI_THEME_ButtonImage, &m_frames[i], i + 1, 3);
    }
    update();
}

void TsuiCustomButton::Paint(TCanvas& canvas) const
{
    const TLook look = Look();
    PaintBackground(canvas, m_transparent);
    DrawPicture(canvas, StatePicture(look));
    if (hasFocus() && TabStop() && ShowsFocusFrame())
        DrawFocusFrame(canvas);
    if (!Caption().trimmed().isEmpty())
        DrawCaption(canvas, look);
}

QImage TsuiCustomButton::StatePicture(TLook look) const
{
    const QImage picture = LookPicture(look);
    if (picture.isNull())
        return picture;
    QImage converted = picture.convertToFormat(QImage::Format_RGB32);
    if (!converted.isNull())
        return converted;
    QImage empty(kEmptyStateSize, QImage::Format_RGB32);
    empty.fill(ToPixel(clWhite));
    return empty;
}

void TsuiCustomButton::DrawCaption(TCanvas& canvas, TLook look) const
{
    constexpr unsigned kFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    const std::string caption = Utf8(Caption());
    const TRect client = TRect::FromSize(width(), height());
    TRect rect = client;
    canvas.Brush.Style = TBrushStyle::Clear;
    if (look == TLook::Disabled) {
        canvas.Font().SetColor(kDisabledShadowColor);
        canvas.DrawText(caption, client.Offset(1, 1), kFlags);
        canvas.Font().SetColor(kDisabledCaptionColor);
    } else if (look == TLook::MouseDown) {
        rect = client.Offset(1, 1);
    }
    canvas.DrawText(caption, rect, kFlags);
}

void TsuiCustomButton::DrawFocusFrame(TCanvas& canvas) const
{
    const int m = m_focusedRectMargin;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.DrawFocusRect({ m, m, width() - m, height() - m });
}

void TsuiCustomButton::CaptionChanged()
{
    m_acceleratorKeys.Set(this, AcceleratorKeys(Caption()), [this] { Click(); });
    update();
}

void TsuiCustomButton::MouseStateChanged()
{
    update();
    if (Press().Pressed() != m_reportedPressed) {
        m_reportedPressed = Press().Pressed();
        QAccessible::State changed;
        changed.pressed = true;
        NotifyAccessibleState(changed);
    }
}

void TsuiCustomButton::enterEvent(QEnterEvent* event)
{
    TsuiControl::enterEvent(event);
    FireEvent(OnMouseEnter);
}

void TsuiCustomButton::leaveEvent(QEvent* event)
{
    TsuiControl::leaveEvent(event);
    FireEvent(OnMouseExit);
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event)
{
    TsuiControl::focusInEvent(event);
    update();
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event)
{
    TsuiControl::focusOutEvent(event);
    update();
}

void TsuiCustomButton::UpdateDialogKeys()
{
    QList<QKeySequence> keys;
    if (m_default)
        keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
    if (m_cancel)
        keys << QKeySequence(Qt::Key_Escape);
    m_dialogKeys.Set(this, keys, [this] { Click(); });
}

// ---- TsuiImageButton ------------------------------------------------------------------

TsuiImageButton::TsuiImageButton(QWidget* parent)
    : TsuiCustomButton(parent, TStyleLater {})
{
    TakeFormStyle();
}

void TsuiImageButton::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TsuiImageButton::SetDrawFocused(bool drawFocused)
{
    m_drawFocused = drawFocused;
    update();
}

void TsuiImageButton::UpdateAutoSize()
{
    const QImage& normal = m_pictures[0];
    if (parentWidget() && AutoSize() && !normal.isNull())
        SetBounds(x(), y(), normal.width(), normal.height());
}

QImage TsuiImageButton::LookPicture(TLook look) const
{
    const QImage& own = m_pictures[static_cast<int>(look)];
    return own.isNull() ? m_pictures[0] : own;
}

void TsuiImageButton::DrawPicture(TCanvas& canvas, const QImage& picture) const
{
    if (picture.isNull())
        return;
    const TRect source = TRect::FromSize(picture.width(), picture.height());
    const TRect target = m_stretch ? TRect::FromSize(width(), height()) : source;
    canvas.CopyRect(target, picture, source, TopLeftKey(picture, Transparent()));
}

void TsuiImageButton::ApplyStyle(const TsuiStyleSource&)
{
    update();
}

void TsuiImageButton::SetPicture(TLook look, const QImage& picture)
{
    m_pictures[static_cast<int>(look)] = picture;
    UpdateAutoSize();
    update();
}

// ---- TsuiCheckBox ---------------------------------------------------------------------

TsuiCheckBox::TsuiCheckBox(QWidget* parent)
    : TsuiControl(parent)
{
    SetBounds(0, 0, 93, 17);
    // The window colour without a parent to follow.
    SetColor(clWindow);
    SetParentColor(true);
    SetTabStop(true);
    SetClickKeys(true);
    TakeFormStyle();
    // Sized from the first change on: a new box keeps its 93 x 17 until then.
    m_autoSize = true;
}

void TsuiCheckBox::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleState(changed);
    if (!Loading())
        FireEvent(OnClick);
}

void TsuiCheckBox::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCheckBox::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
    update();
}

void TsuiCheckBox::AddAccessibleState(QAccessible::State& state) const
{
    state.checkable = true;
    state.checked = m_checked;
}

void TsuiCheckBox::Click()
{
    FocusIfPossible(this);
    SetChecked(!m_checked);
}

void TsuiCheckBox::ApplyStyle(const TsuiStyleSource& source)
{
    for (int i = 0; i < 4; ++i) {
        m_glyphs[i] = QImage();
        source.GetBitmapFrame(SUI_THEME_CheckBoxImage, &m_glyphs[i], i + 1, 4);
    }
    AdjustBounds();
    update();
}

void TsuiCheckBox::Paint(TCanvas& canvas) const
{
    const bool enabled = isEnabled();
    const bool focusShown = TabStop() && hasFocus();
    const int frame = (enabled ? 0 : 2) + (m_checked ? 0 : 1);
    const QImage& glyph = m_glyphs[frame];

    PaintBackground(canvas, m_transparent);
    if (!glyph.isNull())
        canvas.Draw(kGlyphLeft, (height() - glyph.height()) / 2, glyph);

    // The caption keeps the font colour when disabled; only the glyph greys.
    const int textHeight = canvas.TextHeight("W");
    const int x = glyph.width() + kCaptionGap;
    const int y = (height() - textHeight) / 2;
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.DrawText(Utf8(Caption()), { x, y, width(), height() }, DT_SINGLELINE);
    if (focusShown) {
        canvas.Brush.Style = TBrushStyle::Solid;
        canvas.DrawFocusRect({ x - 1, y, width(), y + textHeight + 2 });
    }
}

void TsuiCheckBox::CaptionChanged()
{
    m_acceleratorKeys.Set(this, AcceleratorKeys(Caption()), [this] { Click(); });
    AdjustBounds();
    update();
}

void TsuiCheckBox::FontChanged()
{
    AdjustBounds();
    update();
}

void TsuiCheckBox::focusInEvent(QFocusEvent* event)
{
    TsuiControl::focusInEvent(event);
    update();
}

void TsuiCheckBox::focusOutEvent(QFocusEvent* event)
{
    TsuiControl::focusOutEvent(event);
    update();
}

void TsuiCheckBox::AdjustBounds()
{
    // Loaded() sizes the box once the stored caption and font are all in.
    if (!m_autoSize || Loading())
        return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(scratch);
    canvas.Font().Assign(*Font());
    const QSize glyph = m_glyphs[0].size();
    const int height = std::max(canvas.TextHeight("W") + 2, glyph.height()) + kAutoSizeExtraHeight;
    const int width = glyph.width() + canvas.TextWidth(Utf8(Caption())) + kAutoSizeExtraWidth;
    SetBounds(x(), y(), width, height);
}
