#pragma once

#include "tags/TagBatch.h"

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QProgressBar;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;
class TagFileModel;
class TagPreview;

// The ID3 tag editor: a folder tree, the folder's MP3 files with their tags, the ID3v1 and
// ID3v2 pages that edit one file or the checked files, and a preview player. The rules
// live in TagFileModel and TagBatch; this window shows and routes.
class TagEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit TagEditorDialog(const QString& appFolder, QWidget* parent = nullptr);
    ~TagEditorDialog() override;

    // Lists the folder's files; the list fills in when the scan, which runs off the window's
    // thread, is done.
    void listFolder(const QString& folder);
    void showRow(int row);
    void saveRows();
    // What the Playback menu asks of the preview player.
    enum class PreviewAction { Stop, PauseOrResume, Forward, Back, JumpToMiddle };
    void runPreview(PreviewAction action);
    // Plays the selected row's file, or stops when no row is selected.
    void previewSelected();

    TagPreview& preview() { return *m_preview; }
    TagFileModel& files() { return *m_model; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildPage0();
    QWidget* buildPage1();
    QToolBar* buildToolbar(int page, const QStringList& copyTexts);
    void buildMenus();
    void fillGenres();
    void loadSettings();
    void saveSettings();
    void optionClicked(int index);
    void v1TickChanged();
    void v2TickChanged();
    void toolbarButtonClicked(int position, QToolBar* bar, QAction* button);
    void copyPage1To0();
    void copyPage0To1();
    void folderChanged(const QModelIndex& current);
    void folderScanned();
    void showView(const PageView& view);
    void trackEdits();
    void refreshTitleLabel();
    TagPages pages() const;
    int selectedRow() const;
    void setBusy(bool busy);
    QString v2Text(int box) const;
    void setV2Text(int box, const QString& text);

    bool m_busy = false;
    bool m_showing = false; // the pages are being filled from files, not edited
    std::array<bool, kV1BoxCount> m_v1Edited{};
    bool m_v1GenreEdited = false;
    std::array<bool, kId3v2FieldCount> m_v2Edited{};
    QString m_appFolder;
    BatchOptions m_batchOptions;
    TagPreview* m_preview = nullptr;
    TagFileModel* m_model = nullptr;
    QFileSystemModel* m_folders = nullptr;

    QTreeView* m_folderTree = nullptr;
    QSplitter* m_splitter = nullptr;
    QTreeView* m_fileList = nullptr;
    QTabWidget* m_pages = nullptr;
    QCheckBox* m_v1Tick = nullptr;
    std::array<QLineEdit*, 6> m_v1Boxes{};
    QComboBox* m_v1Genre = nullptr;
    QCheckBox* m_v2Tick = nullptr;
    std::array<QWidget*, 11> m_v2Boxes{};
    QComboBox* m_v2Genre = nullptr;
    std::array<QCheckBox*, 3> m_optionBoxes{};
    QLabel* m_grabbedTitle = nullptr;
    QProgressBar* m_progress = nullptr;
    QMenu* m_selectMenu = nullptr;
    QMenu* m_playbackMenu = nullptr;
};
