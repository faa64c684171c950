#include "core/datafiles.h"

#include <filesystem>
#include <mutex>
#include <system_error>

namespace yav {
namespace {

std::mutex g_mutex;
std::string g_dataFolder;

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string programFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return withSlash(exe.parent_path().string());
}

std::string dataFolder()
{
    std::lock_guard lock(g_mutex);
    return g_dataFolder.empty() ? programFolder() : g_dataFolder;
}

void setDataFolder(const std::string& folder)
{
    std::lock_guard lock(g_mutex);
    g_dataFolder = folder.empty() ? std::string() : withSlash(folder);
}

std::string connStrFor(const char* fileName)
{
    // A plain path: the query opens it read-only (see database.cpp).
    return dataFolder() + fileName;
}

} // namespace yav
