#include "gui/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
bool g_recording = false;
QStringList g_taken;
} // namespace

void ShowInfo(const QString& text)
{
    if (g_recording) {
        g_taken << QStringLiteral("info: ") + text;
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ShowError(const QString& text, QWidget* parent)
{
    if (g_recording) {
        g_taken << QStringLiteral("error: ") + text;
        return;
    }
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          text);
}

namespace yav::messages {
void setRecording(bool on) { g_recording = on; }
QStringList taken() { return g_taken; }
void clearTaken() { g_taken.clear(); }
} // namespace yav::messages
