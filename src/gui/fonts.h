#pragma once
// Fonts of the windows. Reports and name lists are laid out for a face in which a Chinese
// character is exactly as wide as two blanks, so they use a monospaced CJK face.
#include <QFont>

namespace yav::fonts {
// The 宋体 of the windows: the best serif CJK face available, else the sans one.
QFont song(int pixelSize, bool bold = false);
// Monospaced CJK face for reports and lists whose columns must line up.
QFont mono(int pixelSize);
// Ordinary sans CJK face for labels.
QFont sans(int pixelSize, bool bold = false);
} // namespace yav::fonts
