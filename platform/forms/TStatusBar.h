#pragma once

#include "platform/forms/TControl.h"
#include "platform/forms/TLayoutReader.h"

#include <QObject>

#include <string>
#include <vector>

class TStatusPanels;

// One panel of a status bar, an item of its Panels collection; the bar repaints when it
// changes. The skinned status bar keeps its panels in the same items.
class TStatusPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    explicit TStatusPanel(const TStatusPanels& panels);

    int Width() const { return m_width; }
    void SetWidth(int width);
    QString Text() const { return m_text; }
    void SetText(const QString& text);

private:
    const TStatusPanels& m_panels;
    int m_width = 50;
    QString m_text;
};

// A status bar's Panels collection, shared by the framework's bar and the skinned one.
class TStatusPanels {
public:
    // Panels repaint `bar` when they change.
    explicit TStatusPanels(QWidget& bar)
        : m_bar(bar)
    {
    }

    QWidget& Bar() const { return m_bar; }
    int Count() const { return int(m_panels.size()); }
    const std::vector<TStatusPanel*>& Items() const { return m_panels; }
    // Throws EInvalidOperation for an index that names no panel.
    TStatusPanel& Panel(int index) const;
    // The ICollectionOwner answers for the list called "Panels".
    bool Clear(std::string_view collection);
    QObject* Add(std::string_view collection);
    // Each panel's cells in a bar `width` wide, from left to right: as wide as its Width,
    // the last one reaching to the right edge; empty for one squeezed out.
    std::vector<QRect> Cells(int width, int height) const;
    // The panel's cell in the bar as it is now.
    QRect CellOf(const TStatusPanel& panel) const;

private:
    QWidget& m_bar;
    std::vector<TStatusPanel*> m_panels;
};

// A row of text panels at the bottom of its parent, each as wide as its Width; the last
// one reaches to the right edge.
class TStatusBar : public TControl, public ICollectionOwner {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent = nullptr);

    int PanelCount() const { return m_panels.Count(); }
    TStatusPanel& Panel(int index) const { return m_panels.Panel(index); }
    // Both throw EInvalidOperation for an index that names no panel.
    void SetPanelText(int index, const std::string& text);
    std::string PanelText(int index) const;

    bool ClearCollection(std::string_view collection) override { return m_panels.Clear(collection); }
    QObject* AddCollectionItem(std::string_view collection) override
    {
        return m_panels.Add(collection);
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TStatusPanels m_panels { *this };
};
