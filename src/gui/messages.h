#pragma once
// The one route to information and error boxes. Tests switch on recording, which keeps the texts
// instead of showing a blocking box.
#include <QString>
#include <QStringList>

class QWidget;

// A modal box with the text, the caption "提示", the information icon and one OK button.
void ShowInfo(const QString& text);
// The error box that database failures end in; the caption is the application's title.
void ShowError(const QString& text, QWidget* parent = nullptr);

namespace yav::messages {
void setRecording(bool on);
// Texts shown while recording, oldest first; each entry starts with "info: " or "error: ".
QStringList taken();
void clearTaken();
} // namespace yav::messages
