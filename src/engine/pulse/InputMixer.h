#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <variant>

// The value of an advanced control: a switch (bool) or a level (qint32); empty when the
// line or the control does not exist.
using ControlValue = std::variant<std::monostate, bool, qint32>;

// Volume, balance and switches of the input lines of one recording device, on the
// PulseAudio server. A line is one server source. Its advanced controls are the mute
// switch ("Mute", control 0) and one switch per port (controls 1..), on for the active
// port; a port is switched off only by switching another one on.
//
// Every setter acts on the server at once and returns what the server holds afterwards.
// Changes made elsewhere (a volume control, pactl) arrive as lineChanged on the thread
// that owns this object.
class InputMixer : public QObject {
    Q_OBJECT
public:
    explicit InputMixer(QObject* parent = nullptr);
    ~InputMixer() override;

    bool isConnected() const;

    // The lines, by the server's source names, in line order; each is read from the server.
    void setLines(const QStringList& serverNames);
    int lineCount() const;
    // False for a line whose source is not (or no longer) on the server.
    bool linePresent(int line) const;
    QString lineName(int line) const;

    // 0 to 65535, 65535 being the source's full (0 dB) volume.
    bool hasVolume(int line) const;
    int volume(int line) const;
    int setVolume(int line, int volume);

    // 0 (left) to 100 (right), 50 centred; only a line of two or more channels has one.
    bool hasBalance(int line) const;
    int balance(int line) const;
    int setBalance(int line, int balance);

    int advancedCount(int line) const;
    QString advancedName(int line, int control) const;
    ControlValue advancedValue(int line, int control) const;
    ControlValue setAdvancedValue(int line, int control, ControlValue value);

    static constexpr int kMaxVolume = 65535;

Q_SIGNALS:
    // The line's volume, balance, switches or presence changed on the server.
    void lineChanged(int line);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
