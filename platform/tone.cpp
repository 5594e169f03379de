#include "platform/tone.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cmath>
#include <numbers>

QByteArray toneSamples(int frequency, int milliseconds, int sampleRate)
{
    const int count = int(qint64(sampleRate) * milliseconds / 1000);
    const int fade = std::min(sampleRate / 200, count / 2);  // 5 ms
    QByteArray bytes(count * 2, '\0');
    auto* samples = reinterpret_cast<qint16*>(bytes.data());
    for (int i = 0; i < count; ++i) {
        const double edge = std::min({1.0, fade ? double(i) / fade : 1.0, fade ? double(count - 1 - i) / fade : 1.0});
        const double value = std::sin(2 * std::numbers::pi * frequency * i / sampleRate);
        samples[i] = qint16(std::lround(value * edge * 0.5 * 32767));
    }
    return bytes;
}

struct QtTone::Player {
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    std::unique_ptr<QAudioSink> sink;
    QBuffer buffer;
};

// The sound device is looked up at the first tone: the lookup loads the sound system, which
// start-up does not need.
QtTone::QtTone() = default;

QtTone::~QtTone() = default;

void QtTone::beep(int frequency, int milliseconds)
{
    if (!player_)
        player_ = std::make_unique<Player>();
    if (player_->device.isNull()) {
        QApplication::beep();
        return;
    }
    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    // A new tone replaces one still playing; playing runs on its own, the program goes on.
    player_->sink.reset();
    player_->buffer.close();
    player_->buffer.setData(toneSamples(frequency, milliseconds, format.sampleRate()));
    player_->buffer.open(QIODevice::ReadOnly);
    player_->sink = std::make_unique<QAudioSink>(player_->device, format);
    player_->sink->start(&player_->buffer);
}
