#include "app/TErrorBoxes.h"

#include <QMessageBox>

#include <memory>
#include <utility>

TErrorBoxes::TErrorBoxes(std::string title)
    : m_title(std::move(title))
{
}

TErrorBoxes::~TErrorBoxes() { delete m_timedBox; }

std::string TErrorBoxes::WithFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

QMessageBox* TErrorBoxes::MakeBox(const std::exception& error)
{
    return new QMessageBox(QMessageBox::Critical, QString::fromStdString(m_title),
                           QString::fromStdString(WithFullStop(error.what())), QMessageBox::Ok,
                           m_mainWindow);
}

void TErrorBoxes::ShowModal(const std::exception& error)
{
    std::unique_ptr<QMessageBox> box(MakeBox(error));
    box->exec();
}

void TErrorBoxes::ShowTimed(const std::exception& error)
{
    if (m_timedBox) {
        m_timedBox->setText(QString::fromStdString(WithFullStop(error.what())));
        return;
    }
    m_timedBox = MakeBox(error);
    m_timedBox->setAttribute(Qt::WA_DeleteOnClose);
    m_timedBox->setWindowModality(Qt::NonModal);
    m_timedBox->show();
}
