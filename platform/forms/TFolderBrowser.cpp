#include "platform/forms/TFolderBrowser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 420;

QString FromLocal(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

} // namespace

TFolderBrowser::TFolderBrowser(QWidget* owner, const QString& title, const std::string& startFolder)
    : QDialog(owner)
    , m_base(startFolder.empty() ? QDir::homePath() : FromLocal(startFolder))
    , m_model(new QFileSystemModel(this))
    , m_tree(new QTreeView(this))
    , m_path(new QLineEdit(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(title);
    resize(kWidth, kHeight);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addWidget(m_path);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The tree leads the path field; typing does not open folders in the tree, so keys
    // never wait for a folder to be read.
    connect(m_path, &QLineEdit::textChanged, this, &TFolderBrowser::PathEdited);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFolderBrowser::TreeMoved);
    // Folders are read on a thread of the model's; the start folder is scrolled to once
    // its parent has been read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& folder) {
        if (folder == QFileInfo(m_base).path())
            m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
    });

    if (!startFolder.empty())
        ShowInTree(m_base);
    m_path->setText(startFolder.empty() ? QString() : m_base);
    PathEdited();
    m_path->setFocus();
}

std::string TFolderBrowser::Browse(QWidget* owner, const QString& title, const std::string& startFolder)
{
    TFolderBrowser browser(owner, title, startFolder);
    if (browser.exec() != QDialog::Accepted)
        return "";
    return browser.ChosenFolder();
}

std::string TFolderBrowser::ChosenFolder() const
{
    if (m_path->text().isEmpty())
        return "";
    QFileInfo folder(QDir(m_base).absoluteFilePath(m_path->text()));
    if (!folder.isDir())
        return "";
    return QFile::encodeName(QDir::cleanPath(folder.absoluteFilePath())).toStdString();
}

void TFolderBrowser::ShowInTree(const QString& path)
{
    QModelIndex index = m_model->index(path);
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_tree->expand(parent);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TFolderBrowser::PathEdited()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!ChosenFolder().empty());
}

void TFolderBrowser::TreeMoved() { m_path->setText(m_model->filePath(m_tree->currentIndex())); }
