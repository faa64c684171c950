#pragma once
// The rules every "保存" of the program follows: the file name the dialog proposes, the name
// actually written, and the file's format (GBK, CR LF after every line).
#include <string>
#include <string_view>

namespace yav::savefile {

// The name to put into the save dialog: the default when there is one, else what the dialog
// held before; a name holding any of * / < > ? \ | is replaced by "*.txt".
std::string proposedName(std::string_view defaultName, std::string_view previousName);

// ".txt" is appended to whatever name the user chose, so 王家 becomes 王家.txt and an existing
// 王家.txt is written as 王家.txt.txt.
std::string writtenName(std::string_view chosen);

// Writes the text as GBK lines with CR LF. Returns an empty text on success, else the reason.
std::string writeText(const std::string& path, std::string_view utf8Text);

} // namespace yav::savefile
