#include "gui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace yav::fonts {
namespace {

QFont firstAvailable(const QStringList& families, int pixelSize, bool bold)
{
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& f : families) {
        if (installed.contains(f)) {
            font.setFamily(f);
            break;
        }
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont song(int pixelSize, bool bold)
{
    return firstAvailable({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                           QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")},
                          pixelSize, bold);
}

QFont mono(int pixelSize)
{
    QFont font = firstAvailable({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono")},
                                pixelSize, false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont sans(int pixelSize, bool bold)
{
    return firstAvailable({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")}, pixelSize, bold);
}

} // namespace yav::fonts
