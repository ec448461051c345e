#include "platform/core/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

std::string ExecutablePath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return path.string();
    return QCoreApplication::applicationFilePath().toStdString();
}

std::string ExecutableDirectory()
{
    std::string path = ExecutablePath();
    return path.substr(0, path.rfind('/') + 1);
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

std::string ExtractFileName(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    std::string name = ExtractFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}
