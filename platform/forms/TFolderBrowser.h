#pragma once

#include <QDialog>

#include <string>

class QDialogButtonBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

// The folder browser: a modal chooser showing the folder tree from the root down, with
// a path field. It starts at a given folder and lets only an existing folder be chosen.
// It is built from plain widgets because Qt's file dialog writes the folders it visited
// into the user's settings file whenever it closes, and this program writes nothing.
class TFolderBrowser : public QDialog {
    Q_OBJECT

public:
    TFolderBrowser(QWidget* owner, const QString& title, const std::string& startFolder);

    // Runs a browser in its own event loop: the absolute path chosen, "" when cancelled.
    static std::string Browse(QWidget* owner, const QString& title, const std::string& startFolder);

    // The folder the path field names (relative to the start folder when it is not
    // absolute), absolute and clean; "" when it names no folder.
    std::string ChosenFolder() const;

    QLineEdit* PathField() const { return m_path; }
    QTreeView* Tree() const { return m_tree; }

private:
    void ShowInTree(const QString& path);
    void PathEdited();
    void TreeMoved();

    QString m_base;
    QFileSystemModel* m_model;
    QTreeView* m_tree;
    QLineEdit* m_path;
    QDialogButtonBox* m_buttons;
};
