#include "tags/ui/TagEditorDialog.h"

#include "base/ui/Dialogs.h"
#include "base/ui/Skin.h"
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
constexpr double kTwipsPerPixel = 15.0;

QSettings editorSettings() {
    return QSettings(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
}

} // namespace

TagEditorDialog::TagEditorDialog(const QString& appFolder, QWidget* parent)
    : QDialog(parent)
    , m_appFolder(appFolder) {
    applySkin(appFolder, this);
    m_fmod = new TagPreview(
        [this](bool warning, const QString& text) {
            Dialogs::message(this, warning ? QMessageBox::Warning : QMessageBox::Critical,
                             QStringLiteral("FMOD Error"), text);
        },
        this);
    buildLayout();
    cmbv2->setCurrentIndex(-1);
    connect(ftv->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TagEditorDialog::folderChanged);
    // The pages follow the highlighted row however it moves (mouse, arrows, paging, typing a
    // name), so that Save writes exactly the file they show; a click on it shows it afresh.
    connect(lvw->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { RefreshItem(current.row()); });
    connect(lvw, &QTreeView::clicked, this, [this](const QModelIndex& index) { RefreshItem(index.row()); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                // A tick on one row refreshes with that row; Select All/None refresh themselves.
                if (first == last && roles.contains(Qt::CheckStateRole))
                    RefreshItem(first.row());
            });
    connect(m_model, &TagFileModel::scanProgress, this, [this](int done, int total) {
        prb->setMaximum(total);
        prb->setValue(done);
    });
    connect(m_model, &TagFileModel::scanFinished, this, &TagEditorDialog::folderScanned);
    LoadSettings();
    m_previewReady = m_fmod->Init(44100, 16);
}

TagEditorDialog::~TagEditorDialog() = default;

void TagEditorDialog::done(int result) {
    SaveSettings();
    Playback(QString());
    QDialog::done(result);
}

void TagEditorDialog::LoadSettings() {
    QSettings s = editorSettings();
    s.beginGroup(QStringLiteral("Settings"));
    const std::array<int, 3> defaults = {1, 0, 0};
    for (std::size_t i = 0; i < m_opt.size(); ++i) {
        m_opt[i] = s.value(QStringLiteral("opt%1").arg(i), defaults[i]).toInt() != 0;
        chkOpt[i]->setChecked(m_opt[i]);
    }
    const double scale = logicalDpiX() / 96.0;
    const int treeWidth = static_cast<int>(
        s.value(QStringLiteral("folderwidth"), kDefaultFolderWidth).toInt() / kTwipsPerPixel * scale);
    p->setSizes({treeWidth, std::max(1, width() - treeWidth)});
    const QString folder = s.value(QStringLiteral("folder")).toString();
    if (!folder.isEmpty())
        ftv->setCurrentIndex(m_folders->index(folder));
}

void TagEditorDialog::SaveSettings() {
    QSettings s = editorSettings();
    s.beginGroup(QStringLiteral("Settings"));
    for (std::size_t i = 0; i < m_opt.size(); ++i)
        s.setValue(QStringLiteral("opt%1").arg(i), m_opt[i] ? 1 : 0);
    const double scale = logicalDpiX() / 96.0;
    // The bar rests between 2410 and 5410 twips, also for a window never laid out.
    const long twips = std::lround(p->sizes().value(0) * kTwipsPerPixel / scale);
    s.setValue(QStringLiteral("folderwidth"), static_cast<int>(std::clamp(twips, 2410L, 5410L)));
    const QModelIndex current = ftv->currentIndex();
    s.setValue(QStringLiteral("folder"), current.isValid() ? m_folders->filePath(current) : QString());
}

void TagEditorDialog::folderChanged(const QModelIndex& current) {
    if (current.isValid())
        UpdateFolder(m_folders->filePath(current));
}

void TagEditorDialog::setBusy(bool busy) {
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TagEditorDialog::UpdateFolder(const QString& sFolder) {
    if (m_busy)
        return;
    prb->setValue(1);
    prb->show();
    m_model->UpdateFolder(sFolder);
}

void TagEditorDialog::folderScanned() {
    prb->hide();
    if (m_model->rowCount() == 0)
        return;
    const QFontMetrics metrics = lvw->fontMetrics();
    const double scale = logicalDpiX() / 96.0;
    for (int c = 0; c < TagFileModel::ColumnCount; ++c) {
        const double extraTwips = c == 0 ? 480 : 240;
        lvw->setColumnWidth(c, metrics.horizontalAdvance(m_model->longestText(c)) +
                                   static_cast<int>(extraTwips / kTwipsPerPixel * scale));
    }
    lvw->setCurrentIndex(m_model->index(0, 0));
}

int TagEditorDialog::selectedRow() const {
    const QModelIndex current = lvw->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString TagEditorDialog::v2Text(int box) const {
    if (auto* edit = qobject_cast<QLineEdit*>(txtv2[static_cast<std::size_t>(box)]))
        return edit->text();
    return static_cast<QPlainTextEdit*>(txtv2[static_cast<std::size_t>(box)])->toPlainText();
}

void TagEditorDialog::setV2Text(int box, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(txtv2[static_cast<std::size_t>(box)]))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit*>(txtv2[static_cast<std::size_t>(box)])->setPlainText(text);
}

void TagEditorDialog::RefreshItem(int row) {
    if (m_model->GetSelNum() <= 1 && (row < 0 || row >= m_model->rowCount()))
        return;
    showView(m_model->RefreshItem(row));
    refreshTitleLabel();
}

void TagEditorDialog::showView(const PageView& view) {
    if (view.hasV1) {
        for (std::size_t i = 0; i < txtv1.size(); ++i)
            txtv1[i]->setText(view.v1[i]);
        cmbv1->setCurrentIndex(view.v1Genre < cmbv1->count() ? view.v1Genre : -1);
    }
    if (view.hasV2) {
        for (std::size_t i = 0; i < kV2BoxFields.size(); ++i)
            setV2Text(static_cast<int>(i), view.v2[static_cast<std::size_t>(kV2BoxFields[i])]);
        cmbv2->setEditText(view.v2[static_cast<std::size_t>(Id3v2Field::Genre)]);
    }
    chkv1->setChecked(view.hasV1);
    chkv2->setChecked(view.hasV2);
    chkv1_Click();
    chkv2_Click();
}

void TagEditorDialog::refreshTitleLabel() {
    const int row = selectedRow();
    if (m_opt[2] && row >= 0)
        lblTitle->setText(QStringLiteral("Grabbed title for selected mp3: \n") +
                          GrabTitle(m_model->entry(row).filename));
    else
        lblTitle->clear();
}

void TagEditorDialog::chkOpt_Click(int index) {
    m_opt[static_cast<std::size_t>(index)] = chkOpt[static_cast<std::size_t>(index)]->isChecked();
    refreshTitleLabel();
}

void TagEditorDialog::chkv1_Click() {
    for (QLineEdit* box : txtv1)
        box->setEnabled(chkv1->isChecked());
    cmbv1->setEnabled(chkv1->isChecked());
}

void TagEditorDialog::chkv2_Click() {
    for (QWidget* box : txtv2)
        box->setEnabled(chkv2->isChecked());
    cmbv2->setEnabled(chkv2->isChecked());
}

TagPages TagEditorDialog::pages() const {
    TagPages out;
    out.v1Ticked = chkv1->isChecked();
    for (std::size_t i = 0; i < txtv1.size(); ++i)
        out.v1[i] = txtv1[i]->text();
    out.v1Genre = cmbv1->currentIndex();
    out.v2Ticked = chkv2->isChecked();
    for (std::size_t i = 0; i < kV2BoxFields.size(); ++i)
        out.v2[static_cast<std::size_t>(kV2BoxFields[i])] = v2Text(static_cast<int>(i));
    out.v2[static_cast<std::size_t>(Id3v2Field::Genre)] = cmbv2->currentText();
    return out;
}

void TagEditorDialog::SaveItems() {
    setBusy(true);
    Playback(QString());
    const BatchOptions options{m_opt[0], m_opt[1], m_opt[2]};
    const bool many = m_model->GetSelNum() > 1;
    if (many) {
        prb->setValue(0);
        prb->show();
    }
    const SaveReport report = m_model->SaveItems(selectedRow(), pages(), options, [this, many](int i, int n) {
        if (!many)
            return;
        prb->setMaximum(n);
        prb->setValue(i);
        QApplication::processEvents();
    });
    if (many) {
        prb->setValue(prb->maximum());
        prb->hide();
    }
    setBusy(false);
    if (report.failed.isEmpty())
        return;
    QStringList lines;
    for (const SaveFailure& f : report.failed)
        lines << tr("%1: %2.").arg(PathPart(f.path, kPathName | kPathExtension), f.reason);
    Dialogs::message(this, QMessageBox::Warning,
                     tr("These files were left as they were:\n\n%1").arg(lines.join(QLatin1Char('\n'))));
}

void TagEditorDialog::copyPage1To0() {
    chkv1->setEnabled(true);
    chkv1->setChecked(true);
    chkv1_Click();
    for (std::size_t i = 0; i < txtv1.size(); ++i)
        txtv1[i]->setText(v2Text(static_cast<int>(i)));
    cmbv1->setCurrentIndex(cmbv2->currentIndex());
}

void TagEditorDialog::copyPage0To1() {
    chkv2->setEnabled(true);
    chkv2->setChecked(true);
    chkv2_Click();
    for (std::size_t i = 0; i < txtv1.size(); ++i)
        setV2Text(static_cast<int>(i), txtv1[i]->text());
    cmbv2->setCurrentIndex(cmbv1->currentIndex());
}

void TagEditorDialog::tbr_ButtonClick(int position, QToolBar* bar, QAction* button) {
    switch (position) {
    case 1:
        RefreshItem(selectedRow());
        break;
    case 2:
        SaveItems();
        break;
    case 4:
        copyPage1To0();
        break;
    case 5:
        copyPage0To1();
        break;
    case 7: {
        menPlaybackMenu->menuAction()->setVisible(true);
        QWidget* w = bar->widgetForAction(button);
        menPlaybackMenu->popup(w ? w->mapToGlobal(w->rect().bottomRight()) : QCursor::pos());
        break;
    }
    default:
        break;
    }
}

void TagEditorDialog::Playback(const QString& sFile) {
    if (!m_previewReady)
        return;
    const bool loaded = m_fmod->StreamIsLoaded();
    if (sFile == QLatin1String("pause")) {
        if (loaded)
            m_fmod->StreamPausePlay();
    } else if (sFile == QLatin1String("forward")) {
        if (loaded)
            m_fmod->setStreamSongPos(m_fmod->StreamSongPos() + kSeekStepMs);
    } else if (sFile == QLatin1String("back")) {
        if (loaded)
            m_fmod->setStreamSongPos(m_fmod->StreamSongPos() - kSeekStepMs);
    } else if (sFile == QLatin1String("jump")) {
        if (loaded)
            m_fmod->setStreamSongPos(std::llround(m_fmod->StreamSongLen() / 2.0));
    } else if (sFile.isEmpty()) {
        m_fmod->StreamUnload();
    } else {
        m_fmod->StreamUnload();
        m_fmod->StreamPlay(sFile, true, 255);
    }
}

bool TagEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtv1[kV1Track]) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            // Only typed characters are filtered; cursor keys carry no text, and Tab and the
            // other control keys must still move the focus.
            if (!text.isEmpty() && text.at(0).isPrint() &&
                FilterKey(text.at(0).unicode(), kFilterDigits) == 0)
                return true;
        } else if (event->type() == QEvent::KeyRelease) {
            const QString clamped = clampTrackText(txtv1[kV1Track]->text());
            if (clamped != txtv1[kV1Track]->text())
                txtv1[kV1Track]->setText(clamped);
        }
    } else if (watched == lvw->viewport() && event->type() == QEvent::MouseButtonRelease) {
        menPlaybackMenu->menuAction()->setVisible(true);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            menSelectMenu->popup(mouse->globalPosition().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}
