#pragma once

#include "platform/forms/TControl.h"
#include "platform/forms/TLayoutReader.h"

#include <QObject>

#include <functional>

// Size limits of a window; 0 means no limit.
class TSizeConstraints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)

public:
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int value) { Set(m_minWidth, value); }
    int MinHeight() const { return m_minHeight; }
    void SetMinHeight(int value) { Set(m_minHeight, value); }
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int value) { Set(m_maxWidth, value); }
    int MaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(int value) { Set(m_maxHeight, value); }

    std::function<void()> OnChange;

private:
    void Set(int& field, int value);

    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_maxWidth = 0;
    int m_maxHeight = 0;
};

// A top-level window. It has no native frame of its own in the finished program, so its
// outer size is the widget size and the client area is all of it.
class TForm : public TControl {
    Q_OBJECT
    Q_PROPERTY(int ClientWidth READ Width WRITE SetWidth)
    Q_PROPERTY(int ClientHeight READ Height WRITE SetHeight)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)

public:
    enum TPosition { poDesigned, poScreenCenter };
    Q_ENUM(TPosition)

    explicit TForm(QWidget* parent = nullptr);

    // poScreenCenter centres the window on its screen when it is first shown.
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TSizeConstraints* Constraints() const { return m_constraints.get(); }
    // Stored only: the window defines no keys, and layouts are never rescaled.
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool keyPreview) { m_keyPreview = keyPreview; }
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool scaled) { m_scaled = scaled; }

    // What the button clicked last handed to the window (0: none). Stored only: no modal
    // loop here reads it.
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int modalResult) { m_modalResult = modalResult; }

    // The handlers the window's stored layout may bind by name.
    THandlerTable& Handlers() { return m_handlers; }

protected:
    void CaptionChanged() override { setWindowTitle(Caption()); }
    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyConstraints();

    std::unique_ptr<TSizeConstraints> m_constraints;
    THandlerTable m_handlers;
    TPosition m_position = poDesigned;
    int m_modalResult = 0;
    bool m_keyPreview = false;
    bool m_scaled = true;
    bool m_placed = false;
};
