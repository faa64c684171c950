#pragma once
// The save dialog every window's "保存" uses: title "保存", filter "文本文件|*.txt", the proposed
// name of savefile::proposedName, ".txt" appended, the text written as GBK with CR LF, and a
// message when writing fails.
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace yav {

// Returns true when a file was written. `lastName` is the window's dialog memory: the name the
// dialog held after the previous save in the same window.
bool saveTextWithDialog(QWidget* parent, QString& lastName, const QString& defaultName, const QString& text);

// Tests answer the dialog instead of the user: the function gets the proposed name and returns
// the chosen one, or nothing for Cancel.
void setSaveDialogAnswer(std::function<std::optional<QString>(const QString& proposed)> answer);

} // namespace yav
