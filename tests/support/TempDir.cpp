#include "TempDir.h"

#include <QDir>

#include <fstream>
#include <stdexcept>

void TTempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(File(name), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + name);
}

std::string TTempDir::MakeDir(const std::string& name) const
{
    if (!QDir(m_dir.path()).mkpath(QString::fromStdString(name)))
        throw std::runtime_error("cannot make test folder " + name);
    return File(name);
}
