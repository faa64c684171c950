#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace yav {

inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string us(const QString& text) { return text.toStdString(); }

inline QString joinLines(const std::vector<std::string>& lines)
{
    QString out;
    for (const auto& l : lines) {
        out += qs(l);
        out += QLatin1Char('\n');
    }
    return out;
}

} // namespace yav
