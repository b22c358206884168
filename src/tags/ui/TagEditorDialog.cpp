#include "tags/ui/TagEditorDialog.h"

#include "base/ui/Dialogs.h"
#include "base/ui/Skin.h"
#include "base/ui/Twips.h"
#include "tags/TagFileModel.h"
#include "tags/TagPreview.h"
#include "tags/TagText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSeekStepMs = 5000;
constexpr int kDefaultFolderWidth = 3600; // twips

// The option boxes in their order, which is also that of the stored keys opt0, opt1, opt2.
constexpr std::array<bool BatchOptions::*, 3> kOptionFields = {
    &BatchOptions::keepOriginal, &BatchOptions::numberTracks, &BatchOptions::grabTitle};

QSettings editorSettings() {
    return QSettings(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
}

} // namespace

TagEditorDialog::TagEditorDialog(const QString& appFolder, QWidget* parent)
    : QDialog(parent)
    , m_appFolder(appFolder) {
    applySkin(appFolder, this);
    m_preview = new TagPreview(
        [this](bool warning, const QString& text) {
            Dialogs::message(this, warning ? QMessageBox::Warning : QMessageBox::Critical, tr("Preview"),
                             text);
        },
        this);
    buildLayout();
    m_v2Genre->setCurrentIndex(-1);
    trackEdits();
    connect(m_folderTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TagEditorDialog::folderChanged);
    // The pages follow the highlighted row however it moves (mouse, arrows, paging, typing a
    // name), so that Save writes exactly the file they show; a click on it shows it afresh.
    connect(m_fileList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { showRow(current.row()); });
    connect(m_fileList, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { showRow(index.row()); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                // A tick on one row refreshes with that row; Select All/None refresh themselves.
                if (first == last && roles.contains(Qt::CheckStateRole))
                    showRow(first.row());
            });
    connect(m_model, &TagFileModel::scanProgress, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    connect(m_model, &TagFileModel::scanFinished, this, &TagEditorDialog::folderScanned);
    loadSettings();
}

TagEditorDialog::~TagEditorDialog() = default;

void TagEditorDialog::done(int result) {
    saveSettings();
    runPreview(PreviewAction::Stop);
    QDialog::done(result);
}

void TagEditorDialog::loadSettings() {
    QSettings s = editorSettings();
    s.beginGroup(QStringLiteral("Settings"));
    const BatchOptions defaults;
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) {
        bool& option = m_batchOptions.*kOptionFields[i];
        option = s.value(QStringLiteral("opt%1").arg(i), defaults.*kOptionFields[i] ? 1 : 0).toInt() != 0;
        m_optionBoxes[i]->setChecked(option);
    }
    const int treeWidth = static_cast<int>(
        Twips::toPixels(s.value(QStringLiteral("folderwidth"), kDefaultFolderWidth).toInt(), logicalDpiX()));
    m_splitter->setSizes({treeWidth, std::max(1, width() - treeWidth)});
    const QString folder = s.value(QStringLiteral("folder")).toString();
    if (!folder.isEmpty())
        m_folderTree->setCurrentIndex(m_folders->index(folder));
}

void TagEditorDialog::saveSettings() {
    QSettings s = editorSettings();
    s.beginGroup(QStringLiteral("Settings"));
    for (std::size_t i = 0; i < kOptionFields.size(); ++i)
        s.setValue(QStringLiteral("opt%1").arg(i), m_batchOptions.*kOptionFields[i] ? 1 : 0);
    // The bar rests between 2410 and 5410 twips, also for a window never laid out.
    const long twips = std::lround(Twips::fromPixels(m_splitter->sizes().value(0), logicalDpiX()));
    s.setValue(QStringLiteral("folderwidth"), static_cast<int>(std::clamp(twips, 2410L, 5410L)));
    const QModelIndex current = m_folderTree->currentIndex();
    s.setValue(QStringLiteral("folder"), current.isValid() ? m_folders->filePath(current) : QString());
}

void TagEditorDialog::folderChanged(const QModelIndex& current) {
    if (current.isValid())
        listFolder(m_folders->filePath(current));
}

void TagEditorDialog::setBusy(bool busy) {
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TagEditorDialog::listFolder(const QString& folder) {
    if (m_busy)
        return;
    m_progress->setValue(1);
    m_progress->show();
    m_model->showFolder(folder);
}

void TagEditorDialog::folderScanned() {
    m_progress->hide();
    if (m_model->rowCount() == 0)
        return;
    const QFontMetrics metrics = m_fileList->fontMetrics();
    for (int c = 0; c < TagFileModel::ColumnCount; ++c) {
        const double extraTwips = c == 0 ? 480 : 240;
        m_fileList->setColumnWidth(c, metrics.horizontalAdvance(m_model->longestText(c)) +
                                          static_cast<int>(Twips::toPixels(extraTwips, logicalDpiX())));
    }
    m_fileList->setCurrentIndex(m_model->index(0, 0));
}

int TagEditorDialog::selectedRow() const {
    const QModelIndex current = m_fileList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString TagEditorDialog::v2Text(int box) const {
    if (auto* edit = qobject_cast<QLineEdit*>(m_v2Boxes[static_cast<std::size_t>(box)]))
        return edit->text();
    return static_cast<QPlainTextEdit*>(m_v2Boxes[static_cast<std::size_t>(box)])->toPlainText();
}

void TagEditorDialog::setV2Text(int box, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(m_v2Boxes[static_cast<std::size_t>(box)]))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit*>(m_v2Boxes[static_cast<std::size_t>(box)])->setPlainText(text);
}

void TagEditorDialog::showRow(int row) {
    if (m_model->checkedCount() <= 1 && (row < 0 || row >= m_model->rowCount()))
        return;
    showView(m_model->pageView(row));
    refreshTitleLabel();
}

// Any change of a box that showView did not make is the user's (typing, pasting, the copy
// commands).
void TagEditorDialog::trackEdits() {
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i) {
        connect(m_v1Boxes[i], &QLineEdit::textChanged, this, [this, i] {
            if (!m_showing)
                m_v1Edited[i] = true;
        });
    }
    connect(m_v1Genre, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            m_v1GenreEdited = true;
    });
    for (std::size_t i = 0; i < kV2BoxFields.size(); ++i) {
        const auto field = static_cast<std::size_t>(kV2BoxFields[i]);
        const auto mark = [this, field] {
            if (!m_showing)
                m_v2Edited[field] = true;
        };
        if (auto* edit = qobject_cast<QLineEdit*>(m_v2Boxes[i]))
            connect(edit, &QLineEdit::textChanged, this, mark);
        else
            connect(static_cast<QPlainTextEdit*>(m_v2Boxes[i]), &QPlainTextEdit::textChanged, this, mark);
    }
    connect(m_v2Genre, &QComboBox::currentTextChanged, this, [this] {
        if (!m_showing)
            m_v2Edited[static_cast<std::size_t>(Id3v2Field::Genre)] = true;
    });
}

void TagEditorDialog::showView(const PageView& view) {
    m_showing = true;
    // A page whose file has no such tag starts from nothing, so that ticking it never
    // carries another file's values.
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i)
        m_v1Boxes[i]->setText(view.hasV1 ? view.v1[i] : QString());
    m_v1Genre->setCurrentIndex(view.hasV1 && view.v1Genre < m_v1Genre->count() ? view.v1Genre : -1);
    for (std::size_t i = 0; i < kV2BoxFields.size(); ++i)
        setV2Text(static_cast<int>(i),
                  view.hasV2 ? view.v2[static_cast<std::size_t>(kV2BoxFields[i])] : QString());
    m_v2Genre->setEditText(view.hasV2 ? view.v2[static_cast<std::size_t>(Id3v2Field::Genre)] : QString());
    m_showing = false;
    m_v1Edited = {};
    m_v1GenreEdited = false;
    m_v2Edited = {};
    m_v1Tick->setChecked(view.hasV1);
    m_v2Tick->setChecked(view.hasV2);
    v1TickChanged();
    v2TickChanged();
}

void TagEditorDialog::refreshTitleLabel() {
    const int row = selectedRow();
    if (m_batchOptions.grabTitle && row >= 0)
        m_grabbedTitle->setText(
            tr("Grabbed title for selected mp3: \n%1").arg(titleFromFileName(m_model->entry(row).path)));
    else
        m_grabbedTitle->clear();
}

void TagEditorDialog::optionClicked(int index) {
    const auto i = static_cast<std::size_t>(index);
    m_batchOptions.*kOptionFields[i] = m_optionBoxes[i]->isChecked();
    refreshTitleLabel();
}

void TagEditorDialog::v1TickChanged() {
    for (QLineEdit* box : m_v1Boxes)
        box->setEnabled(m_v1Tick->isChecked());
    m_v1Genre->setEnabled(m_v1Tick->isChecked());
}

void TagEditorDialog::v2TickChanged() {
    for (QWidget* box : m_v2Boxes)
        box->setEnabled(m_v2Tick->isChecked());
    m_v2Genre->setEnabled(m_v2Tick->isChecked());
}

TagPages TagEditorDialog::pages() const {
    TagPages out;
    out.v1Ticked = m_v1Tick->isChecked();
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i)
        out.v1[i] = m_v1Boxes[i]->text();
    out.v1Genre = m_v1Genre->currentIndex();
    out.v2Ticked = m_v2Tick->isChecked();
    for (std::size_t i = 0; i < kV2BoxFields.size(); ++i)
        out.v2[static_cast<std::size_t>(kV2BoxFields[i])] = v2Text(static_cast<int>(i));
    out.v2[static_cast<std::size_t>(Id3v2Field::Genre)] = m_v2Genre->currentText();
    out.v1Edited = m_v1Edited;
    out.v1GenreEdited = m_v1GenreEdited;
    out.v2Edited = m_v2Edited;
    return out;
}

void TagEditorDialog::saveRows() {
    setBusy(true);
    runPreview(PreviewAction::Stop);
    const BatchOptions options = m_batchOptions;
    const bool many = m_model->checkedCount() > 1;
    if (many) {
        m_progress->setValue(0);
        m_progress->show();
    }
    const SaveReport report = m_model->save(selectedRow(), pages(), options, [this, many](int i, int n) {
        if (!many)
            return;
        m_progress->setMaximum(n);
        m_progress->setValue(i);
        QApplication::processEvents();
    });
    if (many) {
        m_progress->setValue(m_progress->maximum());
        m_progress->hide();
    }
    setBusy(false);
    if (report.failed.isEmpty())
        return;
    QStringList lines;
    for (const SaveFailure& f : report.failed)
        lines << tr("%1: %2.").arg(pathParts(f.path, kPathName | kPathExtension), f.reason);
    Dialogs::message(this, QMessageBox::Warning,
                     tr("These files were left as they were:\n\n%1").arg(lines.join(QLatin1Char('\n'))));
}

void TagEditorDialog::copyPage1To0() {
    m_v1Tick->setEnabled(true);
    m_v1Tick->setChecked(true);
    v1TickChanged();
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i)
        m_v1Boxes[i]->setText(v2Text(static_cast<int>(i)));
    m_v1Genre->setCurrentIndex(m_v2Genre->currentIndex());
}

void TagEditorDialog::copyPage0To1() {
    m_v2Tick->setEnabled(true);
    m_v2Tick->setChecked(true);
    v2TickChanged();
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i)
        setV2Text(static_cast<int>(i), m_v1Boxes[i]->text());
    m_v2Genre->setCurrentIndex(m_v1Genre->currentIndex());
}

void TagEditorDialog::toolbarButtonClicked(int position, QToolBar* bar, QAction* button) {
    switch (position) {
    case 1:
        showRow(selectedRow());
        break;
    case 2:
        saveRows();
        break;
    case 4:
        copyPage1To0();
        break;
    case 5:
        copyPage0To1();
        break;
    case 7: {
        m_playbackMenu->menuAction()->setVisible(true);
        QWidget* w = bar->widgetForAction(button);
        m_playbackMenu->popup(w ? w->mapToGlobal(w->rect().bottomRight()) : QCursor::pos());
        break;
    }
    default:
        break;
    }
}

void TagEditorDialog::runPreview(PreviewAction action) {
    if (!m_preview->ready())
        return;
    switch (action) {
    case PreviewAction::Stop:
        m_preview->unload();
        break;
    case PreviewAction::PauseOrResume:
        m_preview->pauseOrResume();
        break;
    case PreviewAction::Forward:
        m_preview->setPositionMs(m_preview->positionMs() + kSeekStepMs);
        break;
    case PreviewAction::Back:
        m_preview->setPositionMs(m_preview->positionMs() - kSeekStepMs);
        break;
    case PreviewAction::JumpToMiddle:
        m_preview->setPositionMs(std::llround(static_cast<double>(m_preview->lengthMs()) / 2.0));
        break;
    }
}

void TagEditorDialog::previewSelected() {
    const int row = selectedRow();
    if (row < 0)
        runPreview(PreviewAction::Stop);
    else if (m_preview->ready())
        m_preview->play(m_model->entry(row).path);
}

bool TagEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_v1Boxes[kV1Track]) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            // Only typed characters are filtered; cursor keys carry no text, and Tab and the
            // other control keys must still move the focus.
            if (!text.isEmpty() && text.at(0).isPrint() &&
                filterKey(text.at(0).unicode(), kFilterDigits) == 0)
                return true;
        } else if (event->type() == QEvent::KeyRelease) {
            const QString clamped = clampTrackText(m_v1Boxes[kV1Track]->text());
            if (clamped != m_v1Boxes[kV1Track]->text())
                m_v1Boxes[kV1Track]->setText(clamped);
        }
    } else if (watched == m_fileList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        m_playbackMenu->menuAction()->setVisible(true);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            m_selectMenu->popup(mouse->globalPosition().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}
