#pragma once
// Where the tests find the build's databases and the hand-written fixtures.
#include <cstdlib>
#include <string>

namespace yav::test {

inline std::string envOr(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

inline std::string fixtureDir() { return envOr("YAV_FIXTURE_DIR", "../fixtures"); }
inline std::string dataDir() { return envOr("YAV_DATA_DIR", "."); }

} // namespace yav::test
