#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

// Every message box, input box and folder chooser of the program goes through here, so
// that tests can answer ahead and read what was shown. With TAVRIK_UNATTENDED set
// nothing is shown: messages go to stderr and questions take their safe answer.
namespace Dialogs {

inline const QString kAppTitle = QStringLiteral("Tavrik");

QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);
// The same with a caption of its own instead of the application title.
QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The answer and the OK state of a text prompt; cancelled gives ok = false.
QString input(QWidget* parent, const QString& prompt, const QString& initial, bool* ok);

// The chosen folder, or empty when cancelled.
QString existingDirectory(QWidget* parent, const QString& caption, const QString& start);

// The file chosen to open or to save as (used as typed: no extension is added), or
// empty when cancelled. `filter` is in QFileDialog's form, e.g. "Project Files(*.rpf)".
QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
QString saveFileName(QWidget* parent, const QString& caption, const QString& filter);
// The files chosen in an open dialog that allows a multiple choice; empty when cancelled.
QStringList openFileNames(QWidget* parent, const QString& caption, const QString& filter);

// For tests: the answer the next dialog of each kind takes without being shown.
void setNextMessageAnswer(QMessageBox::StandardButton answer);
void setNextInput(const QString& text, bool ok);
void setNextDirectory(const QString& folder);
// Answers the next open or save file dialog; an empty name cancels it.
void setNextFileName(const QString& path);
// Answers the next multiple-choice open dialog; an empty list cancels it.
void setNextFileNames(const QStringList& paths);
// For tests: the texts of the message boxes shown (or answered ahead) so far.
QStringList& shownMessages();

} // namespace Dialogs
