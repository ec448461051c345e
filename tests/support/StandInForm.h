#pragma once

#include <QWidget>

// Stands in for the skinned frame until it exists: the skin recognises a TsuiForm by its
// class name and reads its UIStyle property.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int UIStyle READ UIStyle WRITE SetUIStyle)
public:
    TsuiForm(QWidget* parent, int style)
        : QWidget(parent)
        , m_style(style)
    {
    }
    int UIStyle() const { return m_style; }
    void SetUIStyle(int style) { m_style = style; }

private:
    int m_style;
};
