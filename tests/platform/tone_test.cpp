#include "platform/tone.h"
#include "tests/support/test_main.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>

class ToneTest : public QObject {
    Q_OBJECT
private slots:
    void samplesAreASineOfTheRightLengthWithoutClicks()
    {
        const QByteArray bytes = toneSamples(440, 200, 22050);
        QCOMPARE(bytes.size(), 4410 * 2);
        const auto* s = reinterpret_cast<const qint16*>(bytes.constData());
        const int n = int(bytes.size() / 2);
        QCOMPARE(s[0], qint16(0));          // faded in
        QVERIFY(std::abs(s[n - 1]) < 200);  // and out
        // 440 Hz over 0.2 s crosses zero upwards 88 times.
        int rising = 0, peak = 0;
        for (int i = 1; i < n; ++i) {
            rising += s[i - 1] < 0 && s[i] >= 0;
            peak = std::max(peak, int(s[i]));
        }
        QVERIFY(std::abs(rising - 88) <= 1);
        QVERIFY(peak > 15000 && peak <= 16384);
    }

    void playingReturnsAtOnceWithoutAnError()
    {
        QtTone tone;
        QElapsedTimer timer;
        timer.start();
        tone.beep(1760, 3000);  // silent here; the second tone replaces the first
        tone.beep(440, 3000);
        // Waiting for either tone to end would take seconds.
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
        QVERIFY(toneSamples(440, 0, 22050).isEmpty());
    }
};

REGISTER_TEST(ToneTest)
#include "tone_test.moc"
