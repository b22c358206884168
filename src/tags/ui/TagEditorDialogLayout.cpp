#include "base/ui/Twips.h"
#include "tags/Id3v1Tag.h"
#include "tags/TagFileModel.h"
#include "tags/TagText.h"
#include "tags/ui/TagEditorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Indexed controls are named "<name>_<index>".
QString indexedName(const char* name, int index) {
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

// Field `index` of a page: labels and boxes in two columns, so that the pages stay low.
void addField(QGridLayout* grid, int index, const QString& label, QWidget* box) {
    const int perColumn = 6;
    const int row = index % perColumn;
    const int column = index / perColumn * 2;
    auto* text = new QLabel(label, box->parentWidget());
    text->setBuddy(box);
    grid->addWidget(text, row, column);
    grid->addWidget(box, row, column + 1);
    grid->setColumnStretch(column + 1, 1);
}

// The tree's pixel limits at 96 dots per inch that keep the splitter between 2410 and 5410 twips.
constexpr int kTreeMinPx = static_cast<int>(Twips::toPixels(2410, 96));
constexpr int kTreeMaxPx = static_cast<int>(Twips::toPixels(5410, 96));

} // namespace

void TagEditorDialog::buildLayout() {
    setObjectName(QStringLiteral("Frmid3v"));
    setWindowTitle(tr("ID3 Editor"));
    auto* outer = new QVBoxLayout(this);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    m_folderTree = new QTreeView(this);
    m_folderTree->setObjectName(QStringLiteral("ftv"));
    m_folderTree->setModel(m_folders);
    for (int c = 1; c < m_folders->columnCount(); ++c)
        m_folderTree->hideColumn(c);
    m_folderTree->header()->hide();
    m_folderTree->setMinimumWidth(kTreeMinPx);
    m_folderTree->setMaximumWidth(kTreeMaxPx);

    m_model = new TagFileModel(this);
    m_fileList = new QTreeView(this);
    m_fileList->setObjectName(QStringLiteral("lvw"));
    m_fileList->setModel(m_model);
    m_fileList->setRootIsDecorated(false);
    m_fileList->setAllColumnsShowFocus(true);
    m_fileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fileList->viewport()->installEventFilter(this);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("tabs"));
    m_pages->addTab(buildPage0(), QStringLiteral("ID3v1"));
    m_pages->addTab(buildPage1(), QStringLiteral("ID3v2"));

    auto* frame1 = new QGroupBox(tr("Multiple file options"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* optLayout = new QVBoxLayout(frame1);
    const std::array<QString, 3> optTexts = {tr("&Empty fields keep original value."),
                                             tr("&Add track number from file index."),
                                             tr("&Grab title from filename.")};
    for (int i = 0; i < 3; ++i) {
        m_optionBoxes[static_cast<std::size_t>(i)] =
            new QCheckBox(optTexts[static_cast<std::size_t>(i)], frame1);
        m_optionBoxes[static_cast<std::size_t>(i)]->setObjectName(indexedName("chkOpt", i));
        optLayout->addWidget(m_optionBoxes[static_cast<std::size_t>(i)]);
        connect(m_optionBoxes[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { optionClicked(i); });
    }
    m_grabbedTitle = new QLabel(frame1);
    m_grabbedTitle->setObjectName(QStringLiteral("lblTitle"));
    m_grabbedTitle->setWordWrap(true);
    optLayout->addWidget(m_grabbedTitle);
    optLayout->addStretch(1);

    // The pages and the options sit side by side under the list, which takes the rest.
    auto* editing = new QWidget(this);
    auto* editingLayout = new QHBoxLayout(editing);
    editingLayout->setContentsMargins(0, 0, 0, 0);
    editingLayout->addWidget(m_pages, 1);
    editingLayout->addWidget(frame1);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_fileList);
    right->addWidget(editing);
    right->setStretchFactor(0, 1);
    right->setChildrenCollapsible(false);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("p"));
    m_splitter->addWidget(m_folderTree);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    outer->addWidget(m_splitter, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prb"));
    m_progress->hide();
    outer->addWidget(m_progress);

    buildMenus();
    fillGenres();
    resize(960, 760);
}

QWidget* TagEditorDialog::buildPage0() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frm_0"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(buildToolbar(0, {tr("Copy from ID3v2"), tr("Copy to ID3v2")}));
    m_v1Tick = new QCheckBox(tr("&ID3v1 tag"), page);
    m_v1Tick->setObjectName(QStringLiteral("chkv1"));
    connect(m_v1Tick, &QCheckBox::clicked, this, &TagEditorDialog::v1TickChanged);
    pageLayout->addWidget(m_v1Tick);
    auto* form = new QGridLayout;
    const std::array<const char*, 6> labels = {QT_TR_NOOP("Track #:"), QT_TR_NOOP("Title:"),
                                               QT_TR_NOOP("Artist:"),  QT_TR_NOOP("Album:"),
                                               QT_TR_NOOP("Year:"),    QT_TR_NOOP("Comments:")};
    const std::array<int, 6> limits = {3, 30, 30, 30, 4, 30};
    for (std::size_t i = 0; i < m_v1Boxes.size(); ++i) {
        m_v1Boxes[i] = new QLineEdit(page);
        m_v1Boxes[i]->setObjectName(indexedName("txtv1", static_cast<int>(i)));
        m_v1Boxes[i]->setMaxLength(limits[i]);
        addField(form, static_cast<int>(i), tr(labels[i]), m_v1Boxes[i]);
    }
    m_v1Boxes[kV1Track]->installEventFilter(this);
    m_v1Genre = new QComboBox(page);
    m_v1Genre->setObjectName(QStringLiteral("cmbv1"));
    addField(form, static_cast<int>(m_v1Boxes.size()), tr("Genre:"), m_v1Genre);
    pageLayout->addLayout(form);
    return page;
}

QWidget* TagEditorDialog::buildPage1() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frm_1"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(buildToolbar(1, {tr("Copy to ID3v1"), tr("Copy from ID3v1")}));
    m_v2Tick = new QCheckBox(tr("&ID3v2 tag"), page);
    m_v2Tick->setObjectName(QStringLiteral("chkv2"));
    connect(m_v2Tick, &QCheckBox::clicked, this, &TagEditorDialog::v2TickChanged);
    pageLayout->addWidget(m_v2Tick);
    auto* form = new QGridLayout;
    const std::array<const char*, 11> labels = {
        QT_TR_NOOP("Track #:"),  QT_TR_NOOP("Title:"),        QT_TR_NOOP("Artist:"),
        QT_TR_NOOP("Album:"),    QT_TR_NOOP("Year:"),         QT_TR_NOOP("Comments:"),
        QT_TR_NOOP("Composer:"), QT_TR_NOOP("Orig. Artist:"), QT_TR_NOOP("Copyright:"),
        QT_TR_NOOP("URL:"),      QT_TR_NOOP("Encoded by:")};
    for (std::size_t i = 0; i < m_v2Boxes.size(); ++i) {
        if (i == static_cast<std::size_t>(kV1Comments)) {
            auto* box = new QPlainTextEdit(page);
            box->setMaximumHeight(60);
            m_v2Boxes[i] = box;
        } else {
            m_v2Boxes[i] = new QLineEdit(page);
        }
        m_v2Boxes[i]->setObjectName(indexedName("txtv2", static_cast<int>(i)));
        addField(form, static_cast<int>(i), tr(labels[i]), m_v2Boxes[i]);
    }
    m_v2Genre = new QComboBox(page);
    m_v2Genre->setObjectName(QStringLiteral("cmbv2"));
    m_v2Genre->setEditable(true);
    addField(form, static_cast<int>(m_v2Boxes.size()), tr("Genre:"), m_v2Genre);
    pageLayout->addLayout(form);
    return page;
}

QToolBar* TagEditorDialog::buildToolbar(int page, const QStringList& copyTexts) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(indexedName("tbr", page));
    const QStringList texts = {tr("Revert"),    tr("Save"), QString(),     copyTexts.at(0),
                               copyTexts.at(1), QString(),  tr("Playback")};
    for (int i = 0; i < texts.size(); ++i) {
        QAction* button = texts.at(i).isEmpty() ? bar->addSeparator() : bar->addAction(texts.at(i));
        button->setObjectName(indexedName("tbr", page) + QLatin1Char('_') + QString::number(i + 1));
        // Only the visible page's toolbar takes the key, so the two never compete.
        if (i == 1)
            button->setShortcut(QKeySequence::Save);
        const int position = i + 1;
        connect(button, &QAction::triggered, this,
                [this, position, bar, button] { toolbarButtonClicked(position, bar, button); });
    }
    return bar;
}

void TagEditorDialog::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    m_selectMenu = bar->addMenu(tr("Select"));
    m_selectMenu->setObjectName(QStringLiteral("menSelectMenu"));
    const std::array<QString, 2> selectTexts = {tr("Select &All"), tr("Select &None")};
    for (int i = 0; i < 2; ++i) {
        QAction* a = m_selectMenu->addAction(selectTexts[static_cast<std::size_t>(i)]);
        a->setObjectName(indexedName("menSelect", i));
        connect(a, &QAction::triggered, this, [this, i] {
            m_model->setAllChecked(i == 0);
            showRow(selectedRow());
        });
    }
    m_playbackMenu = bar->addMenu(tr("Playback"));
    m_playbackMenu->setObjectName(QStringLiteral("menPlaybackMenu"));
    const auto addPlaybackAction = [this](int index, const QString& text, auto run) {
        QAction* a = m_playbackMenu->addAction(text);
        a->setObjectName(indexedName("menPlayback", index));
        connect(a, &QAction::triggered, this, run);
    };
    addPlaybackAction(0, tr("&Play"), [this] { previewSelected(); });
    addPlaybackAction(1, tr("P&ause/Unpause"), [this] { runPreview(PreviewAction::PauseOrResume); });
    addPlaybackAction(2, tr("&Stop"), [this] { runPreview(PreviewAction::Stop); });
    addPlaybackAction(3, tr("&Forward 5 sec."), [this] { runPreview(PreviewAction::Forward); });
    addPlaybackAction(4, tr("&Back 5 sec."), [this] { runPreview(PreviewAction::Back); });
    m_playbackMenu->addSeparator();
    QAction* jump = m_playbackMenu->addAction(tr("&Jump to middle of song"));
    jump->setObjectName(QStringLiteral("menJump"));
    connect(jump, &QAction::triggered, this, [this] { runPreview(PreviewAction::JumpToMiddle); });
    m_selectMenu->menuAction()->setVisible(false);
    m_playbackMenu->menuAction()->setVisible(false);
}

void TagEditorDialog::fillGenres() {
    for (int n = 0; n <= 255; ++n) {
        const QString name = Id3v1Tag::genreName(static_cast<std::uint8_t>(n));
        if (name.isEmpty())
            break;
        m_v1Genre->addItem(properCase(name));
        m_v2Genre->addItem(properCase(name));
    }
}
