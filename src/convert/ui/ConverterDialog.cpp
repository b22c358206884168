#include "convert/ui/ConverterDialog.h"

#include "base/ui/Dialogs.h"
#include "base/ui/FieldSpinBox.h"
#include "base/ui/Skin.h"
#include "base/ui/Twips.h"
#include "convert/ConversionRun.h"
#include "convert/ConvertTargets.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QThread>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdint>

namespace {

template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

constexpr std::int16_t kMp3Kbps = 128;
constexpr int kFirstWmaProfile = 24;

QStringList localFiles(const QMimeData* data) {
    QStringList files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace

ConverterDialog::ConverterDialog(const QString& appFolder, const codec::HeaderlessFormats& headerless,
                                 QWidget* parent)
    : QDialog(parent)
    , m_headerless(headerless) {
    setObjectName(QStringLiteral("frmcov"));
    setWindowTitle(tr("Audio Converter"));
    setAcceptDrops(true);
    buildLayout();
    applySkin(appFolder, this);

    m_formats.oggKbps = 128;
    m_oggDescription->setText(m_formats.description(codec::FileType::Ogg));
    m_formats.mp3Rate = 44100;
    m_formats.mp3Kbps = kMp3Kbps;
    m_formats.mp3Channels = 2;
    m_mp3Description->setText(m_formats.description(codec::FileType::Mp3));
    // The profile every conversion uses is the up-down's, so that is the one described.
    m_formats.wmaProfile = kFirstWmaProfile;
    m_wmaDescription->setText(m_formats.description(codec::FileType::Wma));
}

ConverterDialog::~ConverterDialog() {
    stopAndWait();
}

void ConverterDialog::buildLayout() {
    auto* inputGroup = named(new QGroupBox(tr("Input Audio File"), this), "fraInput");
    auto* inputRow = new QHBoxLayout(inputGroup);
    m_inputEdit = named(new QLineEdit(tr("Enter Input Audio File"), inputGroup), "txtInputFile");
    // Files dropped on the box are inputs for the window, not text for the box.
    m_inputEdit->setAcceptDrops(false);
    auto* open = named(new QPushButton(QStringLiteral("..."), inputGroup), "cmdOpenFile");
    open->setMaximumWidth(40);
    inputRow->addWidget(m_inputEdit);
    inputRow->addWidget(open);

    auto* outputGroup = named(new QGroupBox(tr("Output Format"), this), "fraOutput");
    auto* outputRow = new QHBoxLayout(outputGroup);
    m_mp3Check = named(new QCheckBox(tr("MP3"), outputGroup), "chMP3");
    m_oggCheck = named(new QCheckBox(tr("Ogg Vorbis"), outputGroup), "chOGG");
    m_wmaCheck = named(new QCheckBox(tr("WMA"), outputGroup), "chWMA");
    outputRow->addWidget(m_mp3Check);
    outputRow->addWidget(m_oggCheck);
    outputRow->addWidget(m_wmaCheck);

    auto* settingGroup = named(new QGroupBox(tr("Format setting"), this), "fraSetting");
    auto* grid = new QGridLayout(settingGroup);
    const auto description = [settingGroup](const char* name) {
        auto* edit = named(new QLineEdit(settingGroup), name);
        edit->setReadOnly(true);
        return edit;
    };
    m_mp3Description = description("txtMP3FormatString");
    m_oggDescription = description("txtOGGFormatString");
    m_wmaDescription = description("txtWMAFormatString");
    m_wmaProfile =
        fieldSpinBox(settingGroup, QStringLiteral("udWMAProfile"), QStringLiteral("txtWMAProfile"), 0, 51);
    m_wmaProfile->setValue(kFirstWmaProfile);
    grid->addWidget(named(new QLabel(tr("MP3"), settingGroup), "lblMP3"), 0, 0);
    grid->addWidget(m_mp3Description, 0, 1, 1, 2);
    grid->addWidget(named(new QLabel(tr("Ogg"), settingGroup), "lblOGG"), 1, 0);
    grid->addWidget(m_oggDescription, 1, 1, 1, 2);
    grid->addWidget(named(new QLabel(tr("WMA"), settingGroup), "lblWMA"), 2, 0);
    grid->addWidget(m_wmaDescription, 2, 1);
    grid->addWidget(m_wmaProfile, 2, 2);

    auto* convertGroup = named(new QGroupBox(tr("Convert"), this), "fraConvert");
    auto* convertBox = new QVBoxLayout(convertGroup);
    m_convertButton = named(new QPushButton(tr("Convert Now!"), convertGroup), "cmdConvert");
    m_convertButton->setDefault(true);
    m_progress = named(new QProgressBar(convertGroup), "ProgressConvert");
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_batchProgress = named(new QProgressBar(convertGroup), "ProgressBatch");
    m_batchProgress->setRange(0, 100);
    m_batchProgress->setVisible(false);
    convertBox->addWidget(m_convertButton);
    convertBox->addWidget(m_progress);
    convertBox->addWidget(m_batchProgress);

    auto* statusGroup = named(new QGroupBox(tr("Status"), this), "fraStatus");
    auto* statusBox = new QVBoxLayout(statusGroup);
    m_log = named(new QTreeWidget(statusGroup), "viewEvent");
    m_log->setRootIsDecorated(false);
    m_log->setColumnCount(3);
    m_log->setHeaderLabels({tr("Res"), tr("Time"), tr("Operation")});
    const int twips[] = {300, 900, 2750};
    for (int c = 0; c < 3; ++c)
        m_log->setColumnWidth(c, static_cast<int>(Twips::toPixels(twips[c], logicalDpiX())));
    statusBox->addWidget(m_log);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(outputGroup);
    left->addWidget(convertGroup);
    top->addLayout(left, 1);
    top->addWidget(settingGroup, 2);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(inputGroup);
    outer->addLayout(top);
    outer->addWidget(statusGroup, 1);
    resize(620, 520);

    connect(open, &QPushButton::clicked, this, &ConverterDialog::chooseInput);
    connect(m_convertButton, &QPushButton::clicked, this, &ConverterDialog::convertOrCancel);
    connect(m_wmaProfile, &QSpinBox::valueChanged, this, &ConverterDialog::wmaProfileChanged);
}

void ConverterDialog::chooseInput() {
    const QString filter =
        tr("Wav files (*.wav);;MP3 files (*.mp3);;Ogg Vorbis files (*.ogg);;WMA files (*.wma);;"
           "All files (*)");
    const QStringList chosen = Dialogs::openFileNames(this, tr("Open an Audio file"), filter);
    if (!chosen.isEmpty())
        m_inputEdit->setText(convert::inputListText(chosen));
}

void ConverterDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ConverterDialog::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    m_inputEdit->setText(convert::inputListText(files));
    event->acceptProposedAction();
}

void ConverterDialog::wmaProfileChanged(int profile) {
    m_formats.wmaProfile = profile;
    m_wmaDescription->setText(m_formats.description(codec::FileType::Wma));
    addLog(tr("Set WMA Format parameters "), ConversionRun::kSettingsIcon);
}

void ConverterDialog::convertOrCancel() {
    if (!m_run) {
        startConversion();
        return;
    }
    // A cancelled run is winding up; it ends after the block being encoded.
    if (m_run->isCancelled())
        return;
    m_run->cancel();
    m_progress->setValue(0);
    m_convertButton->setText(tr("Convert"));
}

void ConverterDialog::startConversion() {
    const QStringList inputs = convert::parseInputList(m_inputEdit->text());
    if (inputs.isEmpty()) {
        Dialogs::message(this, QMessageBox::Critical,
                         tr("Invalid input file name: %1").arg(m_inputEdit->text()));
        return;
    }
    for (const QString& input : inputs) {
        if (!QFileInfo(input).isFile() || !convert::outputBase(input)) {
            Dialogs::message(this, QMessageBox::Critical, tr("Invalid input file name: %1").arg(input));
            return;
        }
    }
    ConversionSettings settings;
    settings.mp3 = m_mp3Check->isChecked();
    settings.ogg = m_oggCheck->isChecked();
    settings.wma = m_wmaCheck->isChecked();
    settings.wmaProfile = m_wmaProfile->value();
    settings.mp3Kbps = kMp3Kbps;

    m_convertButton->setText(tr("Cancel"));
    setCursor(Qt::BusyCursor);
    m_progress->setValue(0);
    m_batchProgress->setValue(0);
    m_batchProgress->setVisible(inputs.size() > 1);

    settings.headerless = m_headerless;
    m_run = new ConversionRun(inputs, settings);
    connect(m_run, &ConversionRun::logged, this, &ConverterDialog::addLog);
    connect(m_run, &ConversionRun::progressChanged, this, [this](int percent) {
        if (m_run && !m_run->isCancelled())
            m_progress->setValue(percent);
    });
    connect(m_run, &ConversionRun::batchProgressChanged, m_batchProgress, &QProgressBar::setValue);
    connect(m_run, &ConversionRun::finished, this, &ConverterDialog::runFinished);
    ConversionRun* run = m_run;
    m_thread = QThread::create([run] { run->run(); });
    m_thread->start();
}

void ConverterDialog::runFinished() {
    // A run stopped by closing the window was already collected.
    if (!m_run)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_run->deleteLater();
    m_run = nullptr;
    m_convertButton->setText(tr("Convert Now"));
    unsetCursor();
    Q_EMIT conversionFinished();
}

void ConverterDialog::addLog(const QString& text, int icon) {
    auto* item = new QTreeWidgetItem(m_log);
    const QStyle::StandardPixmap pixmap =
        icon == ConversionRun::kSettingsIcon  ? QStyle::SP_FileDialogDetailedView
        : icon == ConversionRun::kFailureIcon ? QStyle::SP_MessageBoxCritical
                                              : QStyle::SP_ArrowRight;
    item->setIcon(0, style()->standardIcon(pixmap));
    item->setData(0, Qt::UserRole, icon);
    item->setText(1, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    item->setText(2, text);
    m_log->scrollToItem(item);
}

void ConverterDialog::stopAndWait() {
    if (!m_run)
        return;
    m_run->cancel();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    delete m_run;
    m_run = nullptr;
}

void ConverterDialog::done(int result) {
    // Closing the window mid-run cancels it; the unfinished files are removed first.
    stopAndWait();
    unsetCursor();
    QDialog::done(result);
}
