#pragma once

#include <QTemporaryDir>

#include <string>

// A scratch folder that disappears with the test; paths come back as UTF-8 bytes.
class TTempDir {
public:
    std::string Path() const { return m_dir.path().toStdString(); }
    std::string File(const std::string& name) const { return Path() + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string MakeDir(const std::string& name) const;

private:
    QTemporaryDir m_dir;
};
