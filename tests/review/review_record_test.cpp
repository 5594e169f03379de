// The stored form of one review test.
#include "review/review_record.h"
#include "shell/app_state.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {
QByteArray integerBytes(qint16 value) { return QByteArray(reinterpret_cast<const char*>(&value), 2); }
QByteArray singleBytes(float value) { return QByteArray(reinterpret_cast<const char*>(&value), 4); }

ReviewRecord sampleRecord()
{
    ReviewRecord r;
    r.Kind = 8;
    r.SavedDate = "04-09-2024";
    r.ItemNo = 257;
    r.ItemsReached = 258;
    r.ItemCount = 300;
    r.TestType = 3;
    r.Score = 0.625f;
    r.TriesPerItem = 1.5f;
    r.Scrambled = 1;
    r.Minutes = 12.25f;
    r.Tally = {0, 150, 40, -2};
    r.Lifelines = {0, 7, 8, 9};
    r.Items[1] = 499;
    r.Items[150] = -1;
    r.Items[300] = 0x1234;
    r.Misses[1] = 3;
    r.Misses[300] = 2;
    return r;
}
}  // namespace

class ReviewRecordTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsSitAtTheirOffsets()
    {
        const QByteArray bytes = encodeReviewRecord(sampleRecord());
        QCOMPARE(bytes.size(), 940);
        QCOMPARE(int(bytes[0]), 8);
        QCOMPARE(bytes.mid(1, 10), QByteArray("04-09-2024"));
        QCOMPARE(bytes.mid(11, 2), integerBytes(257));
        QCOMPARE(bytes.mid(13, 2), integerBytes(258));
        QCOMPARE(bytes.mid(15, 2), integerBytes(300));
        QCOMPARE(int(bytes[17]), 3);
        QCOMPARE(bytes.mid(18, 4), singleBytes(0.625f));
        QCOMPARE(bytes.mid(22, 4), singleBytes(1.5f));
        QCOMPARE(int(bytes[26]), 1);
        QCOMPARE(bytes.mid(27, 4), singleBytes(12.25f));
        QCOMPARE(bytes.mid(31, 6), integerBytes(150) + integerBytes(40) + integerBytes(-2));
        QCOMPARE(bytes.mid(37, 3), QByteArray("\7\10\11"));
        QCOMPARE(bytes.mid(40, 2), integerBytes(499));
        QCOMPARE(bytes.mid(40 + 2 * 149, 2), integerBytes(-1));
        QCOMPARE(bytes.mid(638, 2), QByteArray("\x34\x12"));
        QCOMPARE(int(bytes[640]), 3);
        QCOMPARE(int(bytes[939]), 2);
    }

    void shortDateIsPaddedWithBlanks()
    {
        ReviewRecord r;
        r.SavedDate = "1-2-2024";
        QCOMPARE(encodeReviewRecord(r).mid(1, 10), QByteArray("1-2-2024  "));
    }

    void roundTrip()
    {
        // The offsets above pin the encoding; decoding must give every field back to encode the same bytes.
        const QByteArray bytes = encodeReviewRecord(sampleRecord());
        QCOMPARE(encodeReviewRecord(decodeReviewRecord(bytes)), bytes);
        QCOMPARE(decodeReviewRecord(bytes).Items[300], qint16(0x1234));
    }

    void aResumedTestIsSavedAsItWasRead()
    {
        // Each field the resume reads has a value of its own, so a field read into or saved from
        // the wrong place shows.
        ReviewRecord saved;
        saved.Kind = 3;
        saved.SavedDate = "12-08-2026";
        saved.ItemNo = 4;
        saved.ItemsReached = 5;
        saved.ItemCount = 6;
        saved.TestType = 2;
        saved.Score = 0.4f;
        saved.TriesPerItem = 1.5f;
        saved.Scrambled = 1;
        saved.Minutes = 12.75f;
        saved.Tally = {0, 2, 3, 9};
        saved.Lifelines = {0, 7, 8, 9};
        for (int i = 1; i <= 6; ++i) {
            saved.Items[i] = qint16(20 - i);
            saved.Misses[i] = quint8(i % 2 == 0 ? 1 : 0);
        }
        ReviewState review;
        QVERIFY(resumeReviewTest(review, saved, vestoraEdition()));
        review.ReviewScore = saved.Score;  // not read back: the window works it out from the tallies
        QCOMPARE(encodeReviewRecord(recordOf(review, true, QDate(2026, 12, 8))), encodeReviewRecord(saved));
    }
};

REGISTER_TEST(ReviewRecordTest)
#include "review_record_test.moc"
