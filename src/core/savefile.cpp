#include "core/savefile.h"

#include "core/gbk.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace yav::savefile {

std::string proposedName(std::string_view defaultName, std::string_view previousName)
{
    std::string name(defaultName.empty() ? previousName : defaultName);
    if (!name.empty() && name.find_first_of("*/<>?\\|") != std::string::npos)
        return "*.txt";
    return name;
}

std::string writtenName(std::string_view chosen) { return std::string(chosen) + ".txt"; }

std::string writeText(const std::string& path, std::string_view utf8Text)
{
    const std::string bytes = gbk::toGbkLinesCrLf(utf8Text);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return std::strerror(errno);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return "write failed";
    return {};
}

} // namespace yav::savefile
