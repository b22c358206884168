#include "base/ui/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <cstdio>
#include <optional>

namespace Dialogs {
namespace {

std::optional<QMessageBox::StandardButton> g_nextAnswer;
std::optional<std::pair<QString, bool>> g_nextInput;
std::optional<QString> g_nextDirectory;
std::optional<QString> g_nextFileName;
std::optional<QStringList> g_nextFileNames;

// The answer queued by a test, consumed once.
std::optional<QString> takeNext(std::optional<QString>& next) {
    std::optional<QString> answer = next;
    next.reset();
    return answer;
}

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

void setNextFileName(const QString& path) {
    g_nextFileName = path;
}

void setNextFileNames(const QStringList& paths) {
    g_nextFileNames = paths;
}

QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    return message(parent, icon, kAppTitle, text, buttons);
}

QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
    shownMessages().append(text);
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer;
    }
    if (unattended()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    QMessageBox box(icon, title, text, buttons, parent);
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
    if (const auto answer = takeNext(g_nextDirectory))
        return *answer;
    if (unattended())
        return {};
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (const auto answer = takeNext(g_nextFileName))
        return *answer;
    if (unattended())
        return {};
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QStringList openFileNames(QWidget* parent, const QString& caption, const QString& filter) {
    if (g_nextFileNames) {
        const QStringList answer = *g_nextFileNames;
        g_nextFileNames.reset();
        return answer;
    }
    if (unattended())
        return {};
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (const auto answer = takeNext(g_nextFileName))
        return *answer;
    if (unattended())
        return {};
    // The name is used as typed; the file is replaced without a prompt, as the command always did.
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace Dialogs
