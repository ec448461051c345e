#include "skin/SUIForm.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

// The resize band reaches this far into the window on the left and top; on the right
// and bottom the comparison is strict, so it is one pixel narrower there.
constexpr int kEdgeBand = 5;

constexpr long long kMaxExtent = QWIDGETSIZE_MAX;

// The frame whose application-wide filter runs menu shortcuts; the first one made.
TsuiForm* g_messageHandler = nullptr;

int ClampExtent(long long value)
{
    return int(std::clamp(value, 0LL, kMaxExtent));
}

// What the form's border allowed: none for a frameless window, a single line for one of
// fixed size, else a sizing border.
TFormBorderStyle BorderStyleOf(const QWidget& form)
{
    if (form.windowFlags() & Qt::FramelessWindowHint)
        return TFormBorderStyle::None;
    if (form.minimumSize() == form.maximumSize())
        return TFormBorderStyle::Single;
    return TFormBorderStyle::Sizeable;
}

Qt::Edges EdgesFor(THitCode code)
{
    switch (code) {
    case htLeft:
        return Qt::LeftEdge;
    case htRight:
        return Qt::RightEdge;
    case htTop:
        return Qt::TopEdge;
    case htBottom:
        return Qt::BottomEdge;
    case htTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case htTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case htBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case htBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case htClient:
        break;
    }
    return {};
}

} // namespace

TsuiForm::TsuiForm(QWidget* parent)
    : TsuiControl(parent, TThemeLoss::WithChildren)
{
    QWidget* form = parent && parent->isWindow() ? parent : nullptr;
    if (form)
        for (const QObject* child : form->children())
            if (child != this && child->isWidgetType() && child->inherits("TsuiForm"))
                throw Exception("Sorry, You can create only one TsuiForm component in one form!");
    m_ownerForm = form;
    if (form) {
        m_initialBorderStyle = BorderStyleOf(*form);
        // A fixed-size window keeps its size limits; anything else gets a usable minimum.
        if (m_initialBorderStyle != TFormBorderStyle::Single)
            SetFormMinimumSize(*form, kMinFormWidth, kMinFormHeight);
        m_savedNormalBounds = form->geometry();
        m_createdMaximised = form->isMaximized();
    }
    m_titleBar = new TsuiTitleBar(this);
    m_titleBar->SetInitialBorderSizeable(m_initialBorderStyle == TFormBorderStyle::Sizeable);
    m_menuBarColor = Color();
    // Sized to the form first, so that re-applying the size for a new border keeps it.
    Layout();
    SetUIStyle(DeepBlue);
    if (form) {
        SetCaption(form->windowTitle());
        TakeOverForm();
    }
}

TsuiForm::~TsuiForm()
{
    if (m_messageHandler)
        g_messageHandler = nullptr;
    if (m_menu)
        m_menu->SetForm(nullptr);
    if (m_resizeCursor)
        QGuiApplication::restoreOverrideCursor();
    if (m_ownerForm)
        m_ownerForm->update();
}

void TsuiForm::TakeOverForm()
{
    QWidget& form = *m_ownerForm;
    const bool shown = form.isVisible();
    // Wayland shapes no window: the corners are see-through pixels of a translucent one.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        form.setAttribute(Qt::WA_TranslucentBackground, true);
    form.setWindowFlag(Qt::FramelessWindowHint, true);
    if (shown)
        form.show();
    form.installEventFilter(this);
    // The edges resize wherever the pointer is, over children too: the filter sees the
    // window's mouse events before any widget does.
    qApp->installEventFilter(this);
    if (!g_messageHandler) {
        g_messageHandler = this;
        m_messageHandler = true;
    }
}

void TsuiForm::SetBorderColor(TColor color)
{
    m_borderColor = color;
    Layout();
}

void TsuiForm::SetBorderWidth(int width)
{
    width = std::clamp(width, 0, QWIDGETSIZE_MAX);
    // The height rule adds B div 2 on every application, so the same width set again
    // must not grow the form.
    if (width == m_borderWidth)
        return;
    const int panelWidth = Width();
    const int panelHeight = Height();
    m_borderWidth = width;
    if (m_ownerForm) {
        SetFormWidth(panelWidth);
        SetFormHeight(panelHeight);
    }
    Layout();
}

void TsuiForm::SetTitleBarVisible(bool visible)
{
    if (visible == m_titleBarVisible)
        return;
    m_titleBarVisible = visible;
    m_titleBar->SetVisible(visible);
    m_titleBar->SetTop(0);
    Layout();
}

bool TsuiForm::ClearCollection(std::string_view collection)
{
    if (collection == "TitleBarButtons")
        return m_titleBar->ClearCollection("Buttons");
    if (collection == "TitleBarSections")
        return m_titleBar->ClearCollection("Sections");
    return false;
}

QObject* TsuiForm::AddCollectionItem(std::string_view collection)
{
    if (collection == "TitleBarButtons")
        return m_titleBar->AddCollectionItem("Buttons");
    if (collection == "TitleBarSections")
        return m_titleBar->AddCollectionItem("Sections");
    return nullptr;
}

void TsuiForm::SetMenuBarColor(TColor color)
{
    m_menuBarColor = color;
    if (m_menuBar)
        m_menuBar->SetColor(color);
}

void TsuiForm::SetMenuBarHeight(int height)
{
    m_menuBarHeight = std::clamp(height, 0, QWIDGETSIZE_MAX);
    if (m_menuBar)
        m_menuBar->SetHeight(m_menuBarHeight);
}

void TsuiForm::SetMenu(TsuiMainMenu* menu)
{
    if (m_menu && m_menu != menu)
        m_menu->SetForm(nullptr);
    m_menu = menu;
    if (!menu) {
        delete m_menuBar;
        return;
    }
    // A menu that goes clears itself here, which frees the bar.
    menu->SetForm(this);
    if (!m_menuBar) {
        m_menuBar = new TsuiMenuBar(*this);
        // Below the title bar, which stays on top of the aligned strips.
        m_menuBar->SetBounds(0, m_titleBar->height(), width(), m_menuBarHeight);
        m_menuBar->SetColor(m_menuBarColor);
        m_menuBar->SetAlign(alTop);
        m_menuBar->show();
    }
    m_menuBar->ApplySkin();
    ApplyMenuFont();
    RebuildMenuButtons();
}

void TsuiForm::RebuildMenuButtons()
{
    if (m_menuBar)
        m_menuBar->RebuildButtons();
}

void TsuiForm::RefreshMenuButtons()
{
    if (m_menuBar)
        m_menuBar->RefreshButtons();
}

void TsuiForm::ApplyMenuFont()
{
    if (m_menuBar)
        m_menuBar->ApplyMenuFont();
}

bool TsuiForm::MenuShortcut(const QKeyEvent& key) const
{
    if (!m_menu || !m_ownerForm || !IsFormActive(m_ownerForm) || !m_ownerForm->isActiveWindow())
        return false;
    if (m_menu->IsShortCut(QKeySequence(key.keyCombination())))
        return true;
    return m_menuBar && m_menuBar->HandleKey(key);
}

void TsuiForm::Loaded()
{
    RebuildMenuButtons();
}

void TsuiForm::SetFormPanel(TControl* panel)
{
    if (panel == this) {
        ShowRefusal(m_ownerForm, "Sorry, you can't select the Form assign to FormPanel property");
        return;
    }
    m_formPanel = panel;
    if (!panel)
        return;
    panel->SetAlign(alClient);
    if (panel->inherits("TsuiImagePanel"))
        panel->SetCaption(QString());
}

void TsuiForm::SetFormWidth(int width)
{
    if (!m_ownerForm) {
        SetWidth(width);
        return;
    }
    m_ownerForm->resize(ClampExtent(width + 2LL * m_borderWidth), m_ownerForm->height());
    Layout();
}

void TsuiForm::SetFormHeight(int height)
{
    if (!m_ownerForm) {
        SetHeight(height);
        return;
    }
    m_ownerForm->resize(
        m_ownerForm->width(), ClampExtent(height + m_borderWidth + m_borderWidth / 2LL));
    Layout();
}

THitCode TsuiForm::ResizeEdgeAt(QPoint p) const
{
    if (!m_ownerForm || m_ownerForm->isMaximized()
        || m_initialBorderStyle != TFormBorderStyle::Sizeable)
        return htClient;
    const int w = m_ownerForm->width();
    const int h = m_ownerForm->height();
    const bool left = p.x() < kEdgeBand;
    const bool top = p.y() < kEdgeBand;
    const bool right = p.x() > w - kEdgeBand;
    const bool bottom = p.y() > h - kEdgeBand;
    if (left && top)
        return htTopLeft;
    if (right && top)
        return htTopRight;
    if (right && bottom)
        return htBottomRight;
    if (left && bottom)
        return htBottomLeft;
    if (left)
        return htLeft;
    if (top)
        return htTop;
    if (right)
        return htRight;
    if (bottom)
        return htBottom;
    return htClient;
}

void TsuiForm::ApplyStyle(const TsuiStyleSource& source)
{
    SetBorderColor(source.GetColor(SUI_THEME_FormBorderColor));
    SetBorderWidth(source.GetInt(SUI_THEME_FormBorderWidthInt));
    SetColor(source.GetColor(SUI_THEME_FormBackgroundColor));
    SetMenuBarColor(Color());
    m_titleBar->SetFileTheme(FileTheme());
    m_titleBar->SetUIStyle(UIStyle());
    if (m_menu) {
        m_menu->SetUIStyle(UIStyle());
        m_menu->SetFileTheme(FileTheme());
    }
    if (m_menuBar)
        m_menuBar->ApplySkin();
    m_backgroundTile = QImage();
    if (UIStyle() == MacOS)
        m_backgroundTile = LoadSkinBitmap("MACOS_FORM_BACKGROUND");
    else if (UIStyle() == Protein)
        m_backgroundTile = LoadSkinBitmap("PROTEIN_FORM_BACKGROUND");
    if (m_autoUpdateSub)
        ApplyStyleToChildren(this, UIStyle(), FileTheme());
    Layout();
    update();
}

void TsuiForm::Paint(TCanvas& canvas) const
{
    const TRect all = TRect::FromSize(canvas.Width(), canvas.Height());
    if (!m_backgroundTile.isNull()) {
        TilePicture(canvas, m_backgroundTile, all);
        return;
    }
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(all);
}

void TsuiForm::CaptionChanged()
{
    TsuiControl::CaptionChanged();
    m_titleBar->SetCaption(Caption());
    if (!m_ownerForm)
        return;
    if (auto* framework = qobject_cast<TControl*>(m_ownerForm.data()))
        framework->SetCaption(Caption());
    else
        m_ownerForm->setWindowTitle(Caption());
}

void TsuiForm::Layout()
{
    if (!m_ownerForm)
        return;
    const long long b = m_borderWidth;
    const long long t = m_titleBarVisible ? 0 : b;
    const long long w = m_ownerForm->width();
    const long long h = m_ownerForm->height();
    SetBounds(int(b), int(t), ClampExtent(w - 2 * b), ClampExtent(h - b - t));
    m_titleBar->ApplyRegion();
    m_ownerForm->update();
}

void TsuiForm::PaintBorder(QWidget& form) const
{
    const int b = m_borderWidth;
    const int w = form.width();
    const int h = form.height();
    QPainter painter(&form);
    const QColor color = ToQColor(m_borderColor);
    painter.fillRect(QRect(0, 0, b, h), color);
    painter.fillRect(QRect(0, h - b, w, b), color);
    painter.fillRect(QRect(w - b, 0, b, h), color);
    if (form.testAttribute(Qt::WA_TranslucentBackground) && !form.mask().isEmpty()) {
        painter.setClipRegion(QRegion(form.rect()) - form.mask());
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(form.rect(), Qt::transparent);
    }
}

void TsuiForm::FormResized()
{
    QWidget& form = *m_ownerForm;
    if (m_createdMaximised && !form.isMaximized()) {
        m_createdMaximised = false;
        form.setGeometry(m_savedNormalBounds);
    }
    // A frameless window maximised by hand would cover the task bar.
    if (form.isMaximized() && m_initialBorderStyle != TFormBorderStyle::None && form.screen()) {
        const QRect area = form.screen()->availableGeometry();
        // Through the window, so the widget stays maximised.
        if (form.geometry() != area && form.windowHandle())
            form.windowHandle()->setGeometry(area);
    }
    Layout();
    m_titleBar->UpdateMaxButtons();
}

bool TsuiForm::FilterEdgeMouse(QWidget* form, QEvent* event)
{
    // The window's own events carry the pointer in the form's coordinates.
    auto* mouse = static_cast<QMouseEvent*>(event);
    const THitCode code = ResizeEdgeAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseButtonPress) {
        if (code == htClient || mouse->button() != Qt::LeftButton || !form->windowHandle())
            return false;
        form->windowHandle()->startSystemResize(EdgesFor(code));
        return true;
    }
    // A drag that started inside keeps its own cursor.
    if (mouse->buttons() != Qt::NoButton)
        return false;
    if (code != htClient) {
        if (m_resizeCursor)
            QGuiApplication::changeOverrideCursor(ResizeCursorFor(EdgesFor(code)));
        else
            QGuiApplication::setOverrideCursor(ResizeCursorFor(EdgesFor(code)));
        m_resizeCursor = true;
    } else if (m_resizeCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_resizeCursor = false;
    }
    return false;
}

bool TsuiForm::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* form = m_ownerForm;
    if (!form)
        return false;
    const QEvent::Type type = event->type();
    // Menu shortcuts work whichever child has the focus.
    if (type == QEvent::KeyPress && (m_messageHandler || watched == form))
        return MenuShortcut(*static_cast<QKeyEvent*>(event));
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
        if (watched == form->windowHandle())
            return FilterEdgeMouse(form, event);
        return false;
    }
    if (watched != form)
        return false;
    switch (type) {
    case QEvent::Paint:
        // The form paints itself first; the border goes over it.
        static_cast<QObject*>(form)->event(event);
        PaintBorder(*form);
        return true;
    case QEvent::Resize:
        static_cast<QObject*>(form)->event(event);
        FormResized();
        return true;
    case QEvent::WindowStateChange:
        // The new size follows in its own event; only the pictures change now.
        static_cast<QObject*>(form)->event(event);
        m_titleBar->UpdateMaxButtons();
        return true;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        m_titleBar->SetFormActive(type == QEvent::WindowActivate);
        return false;
    case QEvent::Leave:
        if (m_resizeCursor) {
            QGuiApplication::restoreOverrideCursor();
            m_resizeCursor = false;
        }
        return false;
    default:
        return false;
    }
}

TsuiForm* FindFormFrame(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    return widget->window()->findChild<TsuiForm*>(QString(), Qt::FindDirectChildrenOnly);
}
