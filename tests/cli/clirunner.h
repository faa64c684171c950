#pragma once
// Runs the built yavname-cli and collects its exit status, standard output and standard error.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace yav::test {

inline std::string& cliPath()
{
    static std::string path;
    return path;
}

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline CliResult runCli(const std::vector<std::string>& args)
{
    const auto errFile = std::filesystem::temp_directory_path() / ("yav_cli_err_" + std::to_string(::getpid()));
    std::string cmd = shellQuote(cliPath());
    for (const auto& a : args)
        cmd += " " + shellQuote(a);
    cmd += " 2>" + shellQuote(errFile.string());
    CliResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int raw = ::pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile);
    std::stringstream ss;
    ss << in.rdbuf();
    r.err = ss.str();
    std::filesystem::remove(errFile);
    return r;
}

} // namespace yav::test
