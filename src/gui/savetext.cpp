#include "gui/savetext.h"

#include "core/savefile.h"
#include "gui/messages.h"
#include "gui/qtext.h"

#include <QFileDialog>

namespace yav {
namespace {
std::function<std::optional<QString>(const QString&)> g_answer;
} // namespace

void setSaveDialogAnswer(std::function<std::optional<QString>(const QString&)> answer) { g_answer = std::move(answer); }

bool saveTextWithDialog(QWidget* parent, QString& lastName, const QString& defaultName, const QString& text)
{
    const QString proposed = qs(savefile::proposedName(us(defaultName.trimmed()), us(lastName)));
    std::optional<QString> chosen;
    if (g_answer) {
        chosen = g_answer(proposed);
    } else {
        QFileDialog dialog(parent, QStringLiteral("保存"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("文本文件 (*.txt)"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    if (!chosen || chosen->isEmpty())
        return false;
    lastName = *chosen;
    const std::string path = savefile::writtenName(us(*chosen));
    const std::string error = savefile::writeText(path, us(text));
    if (!error.empty()) {
        ShowInfo(QStringLiteral("文件保存失败：") + qs(path) + QStringLiteral("\n") + qs(error));
        return false;
    }
    return true;
}

} // namespace yav
