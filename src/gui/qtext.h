#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace yav {

inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string us(const QString& text) { return text.toStdString(); }

// Report lines as the text of a text box: one line each, no line break after the last.
inline QString joinLines(const std::vector<std::string>& lines)
{
    QString out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('\n');
        out += qs(lines[i]);
    }
    return out;
}

} // namespace yav
