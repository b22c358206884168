#include "TestSupport.h"
#include "base/ui/RunningTimeLabel.h"
#include "engine/ui/FrequencyView.h"
#include "engine/ui/LevelDisplay.h"

#include <QPainter>
#include <QTest>
#include <cmath>

class TestAudioWidgets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void levelDisplayMeasures_data();
    void levelDisplayMeasures();
    void levelDisplayClears();
    void spectrumViewFindsTone_data();
    void spectrumViewFindsTone();
    void spectrumViewClears();
    void samplesPerUpdate_data();
    void samplesPerUpdate();
    void displaysRepaintOnlyWhatChanged();
    void runningTimeShowsEveryChange();
};

namespace {

// Counts the paint events a widget gets, and the area they cover.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    QRect area;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            area |= static_cast<QPaintEvent*>(event)->rect();
        }
        return false;
    }
};

} // namespace

void TestAudioWidgets::levelDisplayMeasures_data() {
    QTest::addColumn<SampleBlock>("block");
    QTest::addColumn<double>("peakDb");
    QTest::addColumn<double>("rmsDb");
    QTest::newRow("half-scale sine") << testsupport::sine(1000, 44100, 1, 2048.0 / 44100, 0.5) << -6.02
                                     << -9.03;
    QTest::newRow("full-scale square") << SampleBlock{32767, -32767, 32767, -32767} << 0.0 << 0.0;
    QTest::newRow("silence") << SampleBlock(2048, 0) << -60.0 << -60.0;
    QTest::newRow("below the scale") << SampleBlock(2048, 1) << -60.0 << -60.0;
}

void TestAudioWidgets::levelDisplayMeasures() {
    // Guards against peak and RMS being swapped or scaled wrongly against full scale.
    QFETCH(SampleBlock, block);
    QFETCH(double, peakDb);
    QFETCH(double, rmsDb);
    LevelDisplay display;
    QCOMPARE(display.samplesPerUpdate(), 2048);
    display.draw(block);
    QVERIFY2(std::abs(display.peakDb() - peakDb) < 0.05, qPrintable(QString::number(display.peakDb())));
    QVERIFY2(std::abs(display.rmsDb() - rmsDb) < 0.05, qPrintable(QString::number(display.rmsDb())));
}

void TestAudioWidgets::levelDisplayClears() {
    // Guards against an empty block leaving the last level (and its hold marker) on screen.
    LevelDisplay display;
    display.resize(display.sizeHint());
    const QImage blank = display.grab().toImage();
    display.draw(SampleBlock(2048, 20000));
    QVERIFY(display.grab().toImage() != blank);
    display.draw({});
    QCOMPARE(display.peakDb(), -60.0f);
    QCOMPARE(display.grab().toImage(), blank);
}

void TestAudioWidgets::spectrumViewFindsTone_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("44100 stereo") << 44100 << 2;
    QTest::newRow("8000 mono") << 8000 << 1;
    QTest::newRow("48000 mono") << 48000 << 1;
}

void TestAudioWidgets::spectrumViewFindsTone() {
    // Guards against the view analysing interleaved stereo as mono or at the wrong rate.
    QFETCH(int, rate);
    QFETCH(int, channels);
    FrequencyView view;
    view.resize(view.sizeHint());
    view.setFormat(rate, channels);
    view.draw(testsupport::sine(1000, rate, channels, 4096.0 / rate));
    QVERIFY2(std::abs(view.peakHz() - 1000) < static_cast<float>(rate) / 4096,
             qPrintable(QString::number(view.peakHz())));
    QVERIFY(!view.grab().isNull());
}

void TestAudioWidgets::spectrumViewClears() {
    // Guards against an empty block leaving bars or peak caps standing.
    FrequencyView view;
    view.resize(view.sizeHint());
    const QImage blank = view.grab().toImage();
    view.draw(testsupport::sine(1000, 44100, 2, 0.1));
    QVERIFY(view.grab().toImage() != blank);
    view.draw({});
    QCOMPARE(view.peakHz(), 0.0f);
    QCOMPARE(view.grab().toImage(), blank);
}

void TestAudioWidgets::samplesPerUpdate_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("kept");
    QTest::newRow("default") << -1 << 4096;
    QTest::newRow("smaller") << 1024 << 1024;
    QTest::newRow("stereo maximum") << 8192 << 8192;
    QTest::newRow("too many") << 100000 << 8192;
    QTest::newRow("zero") << 0 << 64;
}

void TestAudioWidgets::samplesPerUpdate() {
    // Guards against the caller being asked for more values than the analyser uses, or for none.
    QFETCH(int, requested);
    QFETCH(int, kept);
    FrequencyView view;
    if (requested >= 0)
        view.setSamplesPerUpdate(requested);
    QCOMPARE(view.samplesPerUpdate(), kept);
}

void TestAudioWidgets::displaysRepaintOnlyWhatChanged() {
    // Guards against a window left open all day repainting its displays at every frame although
    // nothing on them moved, or repainting the whole widget for a bar.
    QWidget window;
    auto* level = new LevelDisplay(&window);
    auto* spectrum = new FrequencyView(&window);
    level->setGeometry(0, 0, 360, 48);
    spectrum->setGeometry(0, 50, 420, 180);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const SampleBlock tone = testsupport::sine(1000, 44100, 1, 4096.0 / 44100, 0.5);
    PaintCounter levelPaints(level), spectrumPaints(spectrum);
    const auto frame = [&](const SampleBlock& block) {
        levelPaints.paints = spectrumPaints.paints = 0;
        levelPaints.area = spectrumPaints.area = {};
        spectrum->setFormat(44100, 1);
        spectrum->draw(block);
        level->draw(SampleBlock(block.end() - level->samplesPerUpdate(), block.end()));
        QCoreApplication::processEvents();
    };
    frame(tone);
    QCOMPARE(levelPaints.paints, 1);
    QCOMPARE(spectrumPaints.paints, 1);
    QVERIFY(levelPaints.area.height() < level->height());
    frame(tone);
    QCOMPARE(levelPaints.paints + spectrumPaints.paints, 0);
    // A louder tone moves the level and the tone's own bands, not the whole spectrum.
    SampleBlock louder = tone;
    for (std::int16_t& v : louder)
        v = static_cast<std::int16_t>(v * 1.5);
    frame(louder);
    QCOMPARE(levelPaints.paints, 1);
    QCOMPARE(spectrumPaints.paints, 1);
    QVERIFY2(spectrumPaints.area.width() < spectrum->width() / 2,
             qPrintable(QString::number(spectrumPaints.area.width())));
}

void TestAudioWidgets::runningTimeShowsEveryChange() {
    // Guards against the running time showing a stale text, or telling screen readers of every
    // millisecond, and against its final text being other than the one given.
    RunningTimeLabel running(QStringLiteral("0:00.000"));
    RunningTimeLabel reference(QStringLiteral("0:00.000"));
    for (QLabel* label : {&running, &reference})
        label->resize(160, 30);
    const auto looksLike = [&](const QString& text) {
        reference.setText(text);
        return running.grab().toImage() == reference.grab().toImage();
    };
    QVERIFY(looksLike(QStringLiteral("0:00.000")));
    QVERIFY(!looksLike(QStringLiteral("0:00.250")));
    running.showRunning(QStringLiteral("0:00.250"));
    QCOMPARE(running.text(), QStringLiteral("0:00.000"));
    QVERIFY(looksLike(QStringLiteral("0:00.250")));
    running.showRunning(QStringLiteral("0:01.050"));
    QCOMPARE(running.text(), QStringLiteral("0:01.050"));
    QVERIFY(looksLike(QStringLiteral("0:01.050")));
    running.showRunning(QStringLiteral("0:01.850"));
    running.showFinal(QStringLiteral("0:01.900"));
    QCOMPARE(running.text(), QStringLiteral("0:01.900"));
    QVERIFY(looksLike(QStringLiteral("0:01.900")));
}

QTEST_MAIN(TestAudioWidgets)
#include "test_audio_widgets.moc"
