#include "shell/ui/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <cstdio>
#include <optional>

namespace Dialogs {
namespace {

std::optional<QMessageBox::StandardButton> g_nextAnswer;
std::optional<std::pair<QString, bool>> g_nextInput;
std::optional<QString> g_nextDirectory;

bool unattended() {
    return qEnvironmentVariableIsSet("TAVRIK_UNATTENDED");
}

} // namespace

QStringList& shownMessages() {
    static QStringList texts;
    return texts;
}

void setNextMessageAnswer(QMessageBox::StandardButton answer) {
    g_nextAnswer = answer;
}

void setNextInput(const QString& text, bool ok) {
    g_nextInput = std::make_pair(text, ok);
}

void setNextDirectory(const QString& folder) {
    g_nextDirectory = folder;
}

QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    shownMessages().append(text);
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer;
    }
    if (unattended()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(kAppTitle), qPrintable(text));
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    QMessageBox box(icon, kAppTitle, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString input(QWidget* parent, const QString& prompt, const QString& initial, bool* ok) {
    if (g_nextInput) {
        const auto [text, accepted] = *g_nextInput;
        g_nextInput.reset();
        *ok = accepted;
        return accepted ? text : QString();
    }
    if (unattended()) {
        *ok = false;
        return {};
    }
    return QInputDialog::getText(parent, kAppTitle, prompt, QLineEdit::Normal, initial, ok);
}

QString existingDirectory(QWidget* parent, const QString& caption, const QString& start) {
    if (g_nextDirectory) {
        const QString folder = *g_nextDirectory;
        g_nextDirectory.reset();
        return folder;
    }
    if (unattended())
        return {};
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

} // namespace Dialogs
