#pragma once

#include "convert/ConvertTargets.h"
#include "engine/codec/FileFormats.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class AudioFileReader;

// What one run converts into: the targets to write and the settings they use.
struct ConversionSettings {
    bool wma = false;
    bool mp3 = false;
    bool ogg = false;
    int wmaProfile = 24;
    int mp3Kbps = 128;
    int oggKbps = 128;
    // How headerless VOX, RAW and G726 inputs are read.
    codec::HeaderlessFormats headerless;

    bool wants(convert::Target target) const;
    int jobsPerInput() const { return int(wma) + int(mp3) + int(ogg); }
};

// Converts each input in turn into every target. The targets of one input are encoded
// together from one decode, each on a core of its own where there are several. Every
// output is written aside under a hidden name in its folder and renamed into place only
// when complete, so a cancelled, failed or killed job leaves no half file under the
// final name and never harms an older file of that name. run() blocks; call it on a
// worker thread and cancel() from anywhere: it takes effect after the current block.
class ConversionRun : public QObject {
    Q_OBJECT

public:
    // Icons of the event log.
    static constexpr int kStepIcon = 1;
    static constexpr int kSettingsIcon = 2;
    static constexpr int kFailureIcon = 3;

    ConversionRun(QStringList inputs, const ConversionSettings& settings, QObject* parent = nullptr);

    void run();
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }
    int succeeded() const { return m_succeeded; }
    int jobs() const { return m_jobs; }

Q_SIGNALS:
    void logged(const QString& text, int icon);
    // Percent of the current input's conversion.
    void progressChanged(int percent);
    // Percent of the whole batch.
    void batchProgressChanged(int percent);
    void finished(int succeeded, int jobs);

private:
    struct Job;
    using Jobs = std::vector<std::unique_ptr<Job>>;

    void convertInput(const QString& input, int index);
    // The jobs `input` asks for, each with its output reserved and its writer open unless
    // it failed or is skipped; `reader` is open on the input when there are any.
    Jobs prepare(const QString& input, AudioFileReader& reader);
    // Decodes the input once and hands every block to each live job, until the end, a
    // cancel, or no job is left.
    void pump(AudioFileReader& reader, const Jobs& jobs, int index);
    // Closes each job and moves its file into place, or removes it, and logs the outcome.
    void finish(const Jobs& jobs);
    void step(const QString& text) { Q_EMIT logged(text, kStepIcon); }
    void failed(const QString& text) { Q_EMIT logged(text, kFailureIcon); }

    QStringList m_inputs;
    ConversionSettings m_settings;
    std::atomic<bool> m_cancelled{false};
    int m_succeeded = 0;
    int m_jobs = 0;
};
