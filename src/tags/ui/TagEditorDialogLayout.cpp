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

// The tree's pixel limits that keep the splitter between 2410 and 5410 twips.
constexpr int kTreeMinPx = 2410 / 15;
constexpr int kTreeMaxPx = 5410 / 15;

} // namespace

void TagEditorDialog::buildLayout() {
    setObjectName(QStringLiteral("Frmid3v"));
    setWindowTitle(QStringLiteral("ID3 Editor"));
    auto* outer = new QVBoxLayout(this);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    ftv = new QTreeView(this);
    ftv->setObjectName(QStringLiteral("ftv"));
    ftv->setModel(m_folders);
    for (int c = 1; c < m_folders->columnCount(); ++c)
        ftv->hideColumn(c);
    ftv->header()->hide();
    ftv->setMinimumWidth(kTreeMinPx);
    ftv->setMaximumWidth(kTreeMaxPx);

    m_model = new TagFileModel(this);
    lvw = new QTreeView(this);
    lvw->setObjectName(QStringLiteral("lvw"));
    lvw->setModel(m_model);
    lvw->setRootIsDecorated(false);
    lvw->setAllColumnsShowFocus(true);
    lvw->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvw->setSelectionMode(QAbstractItemView::SingleSelection);
    lvw->viewport()->installEventFilter(this);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(buildPage0(), QStringLiteral("ID3v1"));
    tabs->addTab(buildPage1(), QStringLiteral("ID3v2"));

    auto* frame1 = new QGroupBox(QStringLiteral("Multiple file options"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* optLayout = new QVBoxLayout(frame1);
    const std::array<QString, 3> optTexts = {QStringLiteral("&Empty fields keep original value."),
                                             QStringLiteral("&Add track number from file index."),
                                             QStringLiteral("&Grab title from filename.")};
    for (int i = 0; i < 3; ++i) {
        chkOpt[static_cast<std::size_t>(i)] = new QCheckBox(optTexts[static_cast<std::size_t>(i)], frame1);
        chkOpt[static_cast<std::size_t>(i)]->setObjectName(indexedName("chkOpt", i));
        optLayout->addWidget(chkOpt[static_cast<std::size_t>(i)]);
        connect(chkOpt[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { chkOpt_Click(i); });
    }
    lblTitle = new QLabel(frame1);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setWordWrap(true);
    optLayout->addWidget(lblTitle);
    optLayout->addStretch(1);

    // The pages and the options sit side by side under the list, which takes the rest.
    auto* editing = new QWidget(this);
    auto* editingLayout = new QHBoxLayout(editing);
    editingLayout->setContentsMargins(0, 0, 0, 0);
    editingLayout->addWidget(tabs, 1);
    editingLayout->addWidget(frame1);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(lvw);
    right->addWidget(editing);
    right->setStretchFactor(0, 1);
    right->setChildrenCollapsible(false);

    p = new QSplitter(Qt::Horizontal, this);
    p->setObjectName(QStringLiteral("p"));
    p->addWidget(ftv);
    p->addWidget(right);
    p->setStretchFactor(1, 1);
    p->setChildrenCollapsible(false);
    outer->addWidget(p, 1);

    prb = new QProgressBar(this);
    prb->setObjectName(QStringLiteral("prb"));
    prb->hide();
    outer->addWidget(prb);

    buildMenus();
    fillGenres();
    resize(960, 760);
}

QWidget* TagEditorDialog::buildPage0() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frm_0"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(
        buildToolbar(0, {QStringLiteral("Copy from ID3v2"), QStringLiteral("Copy to ID3v2")}));
    chkv1 = new QCheckBox(QStringLiteral("&ID3v1 tag"), page);
    chkv1->setObjectName(QStringLiteral("chkv1"));
    connect(chkv1, &QCheckBox::clicked, this, &TagEditorDialog::chkv1_Click);
    pageLayout->addWidget(chkv1);
    auto* form = new QGridLayout;
    const std::array<const char*, 6> labels = {
        "Track #:", "Title:", "Artist:", "Album:", "Year:", "Comments:"};
    const std::array<int, 6> limits = {3, 30, 30, 30, 4, 30};
    for (std::size_t i = 0; i < txtv1.size(); ++i) {
        txtv1[i] = new QLineEdit(page);
        txtv1[i]->setObjectName(indexedName("txtv1", static_cast<int>(i)));
        txtv1[i]->setMaxLength(limits[i]);
        addField(form, static_cast<int>(i), QLatin1String(labels[i]), txtv1[i]);
    }
    txtv1[kV1Track]->installEventFilter(this);
    cmbv1 = new QComboBox(page);
    cmbv1->setObjectName(QStringLiteral("cmbv1"));
    addField(form, static_cast<int>(txtv1.size()), QStringLiteral("Genre:"), cmbv1);
    pageLayout->addLayout(form);
    return page;
}

QWidget* TagEditorDialog::buildPage1() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frm_1"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(
        buildToolbar(1, {QStringLiteral("Copy to ID3v1"), QStringLiteral("Copy from ID3v1")}));
    chkv2 = new QCheckBox(QStringLiteral("&ID3v2 tag"), page);
    chkv2->setObjectName(QStringLiteral("chkv2"));
    connect(chkv2, &QCheckBox::clicked, this, &TagEditorDialog::chkv2_Click);
    pageLayout->addWidget(chkv2);
    auto* form = new QGridLayout;
    const std::array<const char*, 11> labels = {
        "Track #:",  "Title:",        "Artist:",    "Album:", "Year:",      "Comments:",
        "Composer:", "Orig. Artist:", "Copyright:", "URL:",   "Encoded by:"};
    for (std::size_t i = 0; i < txtv2.size(); ++i) {
        if (i == static_cast<std::size_t>(kV1Comments)) {
            auto* box = new QPlainTextEdit(page);
            box->setMaximumHeight(60);
            txtv2[i] = box;
        } else {
            txtv2[i] = new QLineEdit(page);
        }
        txtv2[i]->setObjectName(indexedName("txtv2", static_cast<int>(i)));
        addField(form, static_cast<int>(i), QLatin1String(labels[i]), txtv2[i]);
    }
    cmbv2 = new QComboBox(page);
    cmbv2->setObjectName(QStringLiteral("cmbv2"));
    cmbv2->setEditable(true);
    addField(form, static_cast<int>(txtv2.size()), QStringLiteral("Genre:"), cmbv2);
    pageLayout->addLayout(form);
    return page;
}

QToolBar* TagEditorDialog::buildToolbar(int page, const QStringList& copyTexts) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(indexedName("tbr", page));
    const QStringList texts = {QStringLiteral("Revert"),  QStringLiteral("Save"), QString(),
                               copyTexts.at(0),           copyTexts.at(1),        QString(),
                               QStringLiteral("Playback")};
    for (int i = 0; i < texts.size(); ++i) {
        QAction* button = texts.at(i).isEmpty() ? bar->addSeparator() : bar->addAction(texts.at(i));
        button->setObjectName(indexedName("tbr", page) + QLatin1Char('_') + QString::number(i + 1));
        // Only the visible page's toolbar takes the key, so the two never compete.
        if (i == 1)
            button->setShortcut(QKeySequence::Save);
        const int position = i + 1;
        connect(button, &QAction::triggered, this,
                [this, position, bar, button] { tbr_ButtonClick(position, bar, button); });
    }
    return bar;
}

void TagEditorDialog::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    menSelectMenu = bar->addMenu(QStringLiteral("Select"));
    menSelectMenu->setObjectName(QStringLiteral("menSelectMenu"));
    const std::array<QString, 2> selectTexts = {QStringLiteral("Select &All"),
                                                QStringLiteral("Select &None")};
    for (int i = 0; i < 2; ++i) {
        QAction* a = menSelectMenu->addAction(selectTexts[static_cast<std::size_t>(i)]);
        a->setObjectName(indexedName("menSelect", i));
        connect(a, &QAction::triggered, this, [this, i] {
            m_model->setAllChecked(i == 0);
            RefreshItem(selectedRow());
        });
    }
    menPlaybackMenu = bar->addMenu(QStringLiteral("Playback"));
    menPlaybackMenu->setObjectName(QStringLiteral("menPlaybackMenu"));
    const std::array<QString, 5> playTexts = {QStringLiteral("&Play"), QStringLiteral("P&ause/Unpause"),
                                              QStringLiteral("&Stop"), QStringLiteral("&Forward 5 sec."),
                                              QStringLiteral("&Back 5 sec.")};
    const std::array<QString, 5> commands = {QString(), QStringLiteral("pause"), QString(),
                                             QStringLiteral("forward"), QStringLiteral("back")};
    for (int i = 0; i < 5; ++i) {
        QAction* a = menPlaybackMenu->addAction(playTexts[static_cast<std::size_t>(i)]);
        a->setObjectName(indexedName("menPlayback", i));
        const QString command = commands[static_cast<std::size_t>(i)];
        connect(a, &QAction::triggered, this, [this, i, command] {
            const int row = selectedRow();
            if (i == 0)
                Playback(row >= 0 ? m_model->entry(row).filename : QString());
            else
                Playback(command);
        });
    }
    menPlaybackMenu->addSeparator();
    QAction* jump = menPlaybackMenu->addAction(QStringLiteral("&Jump to middle of song"));
    jump->setObjectName(QStringLiteral("menJump"));
    connect(jump, &QAction::triggered, this, [this] { Playback(QStringLiteral("jump")); });
    menSelectMenu->menuAction()->setVisible(false);
    menPlaybackMenu->menuAction()->setVisible(false);
}

void TagEditorDialog::fillGenres() {
    for (int n = 0; n <= 255; ++n) {
        const QString name = Id3v1Tag::ReturnGenre(static_cast<std::uint8_t>(n));
        if (name.isEmpty())
            break;
        cmbv1->addItem(ProperCase(name));
        cmbv2->addItem(ProperCase(name));
    }
}
