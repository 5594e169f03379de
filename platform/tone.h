// A tone of a frequency and length (a wrong answer, the alarm). It never blocks the program
// and stays silent, without an error, where there is no sound device.
#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

// Mono 16-bit samples of a sine tone, faded in and out over a few milliseconds so it does not click.
QByteArray toneSamples(int frequency, int milliseconds, int sampleRate);

class Tone {
public:
    virtual ~Tone() = default;
    virtual void beep(int frequency, int milliseconds) = 0;
};

class QtTone : public Tone {
public:
    QtTone();
    ~QtTone() override;
    void beep(int frequency, int milliseconds) override;

private:
    struct Player;
    std::unique_ptr<Player> player_;
};

class RecordingTone : public Tone {
public:
    void beep(int frequency, int milliseconds) override { beeps.push_back({frequency, milliseconds}); }
    struct Beep {
        int frequency;
        int milliseconds;
        bool operator==(const Beep&) const = default;
    };
    std::vector<Beep> beeps;
};
