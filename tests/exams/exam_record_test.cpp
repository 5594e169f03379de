// The stored form of one exam and the one-byte result code of each position.
#include "exams/exam_record.h"
#include "shell/app_state.h"
#include "tests/support/test_main.h"

#include <QDate>
#include <QTest>
#include <algorithm>

namespace {
const Edition& editionNamed(const QString& program)
{
    return program == "Vestora" ? vestoraEdition() : praxelleEdition();
}

QByteArray integerBytes(qint16 value) { return QByteArray(reinterpret_cast<const char*>(&value), 2); }
QByteArray singleBytes(float value) { return QByteArray(reinterpret_cast<const char*>(&value), 4); }

ExamRecord sampleRecord(const Edition& e)
{
    ExamRecord r;
    r.Kind = quint8(e.ExamRecordKind(e.CustomExamNo()));
    r.SavedDate = "10-31-2023";
    r.CurrentItem = 99;
    r.ItemCount = 300;
    r.AnsweredCount = 280;
    r.ExamKind = quint8(e.RetakeAllKind());
    r.Score = 0.7f;
    r.UnsureCount = 290;
    r.Scrambled = 1;
    r.Minutes = 149.5f;
    r.TimeLimit = 255;
    r.Structured = 1;
    r.Topics.assign(size_t(e.TopicCount) + 1, 0);
    r.Topics[1] = 1;
    r.Topics[e.TopicCount] = 1;
    r.Items[1] = 796;
    r.Items[300] = 0x0102;
    r.Codes[1] = 86;
    r.Codes[300] = 93;
    return r;
}

// The decoding table, band by band: first code, last code, amount taken off, times, unsure.
struct Band { int first, last, offset, times, unsure; };
constexpr Band DecodingTable[] = {
    {1, 5, 0, 1, 0},     {6, 10, 5, 1, 0},    {11, 15, 10, 2, 0},  {16, 20, 15, 2, 0},
    {21, 25, 20, 3, 0},  {26, 30, 25, 3, 0},  {64, 68, 63, 1, 63}, {69, 73, 68, 1, 63},
    {74, 78, 73, 2, 63}, {79, 83, 78, 2, 63}, {84, 88, 83, 3, 63}, {89, 93, 88, 3, 63},
};
}  // namespace

class ExamRecordTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsSitAtTheirOffsets_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("codes");
        QTest::newRow("Vestora") << "Vestora" << 939 << 39 << 639;
        QTest::newRow("Praxelle") << "Praxelle" << 940 << 40 << 640;
    }
    void fieldsSitAtTheirOffsets()
    {
        QFETCH(QString, program);
        QFETCH(int, size);
        QFETCH(int, items);
        QFETCH(int, codes);
        const Edition& e = editionNamed(program);
        const QByteArray bytes = encodeExamRecord(sampleRecord(e), e);
        QCOMPARE(bytes.size(), size);
        QCOMPARE(bytes.size(), e.ExamRecordSize);
        QCOMPARE(int(bytes[0]), e.TrackedSlotCount());
        QCOMPARE(bytes.mid(1, 10), QByteArray("10-31-2023"));
        QCOMPARE(bytes.mid(11, 6), integerBytes(99) + integerBytes(300) + integerBytes(280));
        QCOMPARE(int(bytes[17]), e.RetakeAllKind());
        QCOMPARE(bytes.mid(18, 4), singleBytes(0.7f));
        QCOMPARE(bytes.mid(22, 2), integerBytes(290));
        QCOMPARE(int(bytes[24]), 1);
        QCOMPARE(bytes.mid(25, 4), singleBytes(149.5f));
        QCOMPARE(quint8(bytes[29]), quint8(255));
        QCOMPARE(int(bytes[30]), 1);
        QCOMPARE(bytes.mid(31, e.TopicCount), "\1" + QByteArray(e.TopicCount - 2, '\0') + "\1");
        QCOMPARE(bytes.mid(items, 2), integerBytes(796));
        QCOMPARE(bytes.mid(items + 2 * 299, 2), QByteArray("\2\1"));
        QCOMPARE(int(bytes[codes]), 86);
        QCOMPARE(int(bytes[codes + 299]), 93);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("Vestora") << "Vestora";
        QTest::newRow("Praxelle") << "Praxelle";
    }
    void roundTrip()
    {
        QFETCH(QString, program);
        const Edition& e = editionNamed(program);
        const QByteArray bytes = encodeExamRecord(sampleRecord(e), e);
        // Read back from a whole 940-byte slot, as the file gives it.
        const ExamRecord back = decodeExamRecord(bytes.leftJustified(940, '\xAA'), e);
        QCOMPARE(encodeExamRecord(back, e), bytes);
        QCOMPARE(back.Topics[e.TopicCount], quint8(1));
    }

    void aResumedExamIsSavedAsItWasRead()
    {
        // Each field the resume reads has a value of its own, so a field read into or saved from
        // the wrong place shows.
        const Edition& e = vestoraEdition();
        ExamRecord saved;
        saved.Kind = quint8(e.ExamRecordKind(2));
        saved.SavedDate = "12-08-2026";
        saved.CurrentItem = 3;
        saved.ItemCount = 4;
        saved.AnsweredCount = 3;
        saved.ExamKind = quint8(e.RetakeMissedKind());
        saved.Score = 0.5f;
        saved.UnsureCount = 1;
        saved.Minutes = 12.75f;
        saved.TimeLimit = 45;
        saved.Structured = 1;
        saved.Topics.assign(size_t(e.TopicCount) + 1, 0);
        for (int t = 1; t <= e.TopicCount; t += 2)
            saved.Topics[t] = 1;
        saved.Items = {0, 17, 16, 15, 14};
        saved.Items.resize(301);
        // B right once; D wrong twice, unsure; not answered; A right three times.
        saved.Codes = {0, 2, 82, 0, 21};
        saved.Codes.resize(301);

        ExamState exam;
        exam.ExamTopics.assign(size_t(e.TopicCount) + 1, false);
        QVERIFY(exam.ExamScrambled);
        QVERIFY(resumeExam(exam, saved, e));
        // What the session and the scoring add before a save: the answers read count as
        // answered, the keys come from the item texts, and the score is not read back. The
        // record's scramble flag (off) is, whatever the exam had before.
        for (int i = 1; i <= saved.ItemCount; ++i) {
            exam.ExamAnswered[i] = exam.ExamAnswers[i] != 0;
            exam.ExamKey[i] = isMissedCode(saved.Codes[i]) ? exam.ExamAnswers[i] % 4 + 1 : exam.ExamAnswers[i];
        }
        exam.ExamScore = saved.Score;
        QCOMPARE(encodeExamRecord(recordOf(exam, e, QDate(2026, 12, 8)), e), encodeExamRecord(saved, e));
    }

    void countsOfAStoredExamFitInsideOneAnother_data()
    {
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("unsure");
        QTest::addColumn<bool>("sound");
        QTest::newRow("every answer unsure") << 2 << 2 << true;
        QTest::newRow("more unsure than answered") << 1 << 2 << false;
    }
    void countsOfAStoredExamFitInsideOneAnother()
    {
        QFETCH(int, answered);
        QFETCH(int, unsure);
        QFETCH(bool, sound);
        const Edition& e = vestoraEdition();
        ExamRecord r;
        r.Kind = quint8(e.ExamRecordKind(1));
        r.ItemCount = 2;
        r.Items[1] = 1, r.Items[2] = 2;
        r.AnsweredCount = qint16(answered);
        r.UnsureCount = qint16(unsure);
        QCOMPARE(isSoundExamRecord(r, e), sound);
    }

    void resultCodeExamples()
    {
        QCOMPARE(encodeItemResult(3, false, 3, UnsureMark), 86);  // C right three times, unsure
        QCOMPARE(encodeItemResult(1, true, 1, 0), 6);             // A once when the key is B
        QCOMPARE(encodeItemResult(4, true, 2, 0), 19);
        QCOMPARE(encodeItemResult(2, false, 5, 0), 22);           // more than three counts as three
    }

    void everyCodeDecodesAsTheTableSays()
    {
        for (int code = 0; code <= 255; ++code) {
            const auto band = std::find_if(std::begin(DecodingTable), std::end(DecodingTable),
                                           [code](const Band& b) { return code >= b.first && code <= b.last; });
            const bool answered = band != std::end(DecodingTable);
            const ItemResult got = decodeItemResult(code);
            QVERIFY2(got.Answer == (answered ? code - band->offset : 0), qPrintable(QString::number(code)));
            QVERIFY2(got.TimesAnswered == (answered ? band->times : 0), qPrintable(QString::number(code)));
            QVERIFY2(got.Unsure == (answered ? band->unsure : 0), qPrintable(QString::number(code)));
        }
        const ItemResult r = decodeItemResult(72);
        QCOMPARE(r.Answer, 4);
        QCOMPARE(r.Unsure, UnsureMark);
        QCOMPARE(r.TimesAnswered, 1);
    }

    void encodeThenDecodeGivesTheResultBack()
    {
        for (int answer = 1; answer <= 4; ++answer)
            for (bool wrong : {false, true})
                for (int times = 1; times <= 4; ++times)
                    for (int unsure : {0, UnsureMark}) {
                        const int code = encodeItemResult(answer, wrong, times, unsure);
                        const ItemResult r = decodeItemResult(code);
                        QCOMPARE(r.Answer, answer);
                        QCOMPARE(r.TimesAnswered, std::min(times, 3));
                        QCOMPARE(r.Unsure, unsure);
                        QCOMPARE(isMissedCode(code), wrong);
                        QCOMPARE(isUnsureCode(code), unsure != 0);
                    }
    }

    void retakeFiltersWorkOnTheCode()
    {
        const auto in = [](int code, std::initializer_list<std::pair<int, int>> ranges) {
            return std::any_of(ranges.begin(), ranges.end(),
                               [code](const auto& r) { return code >= r.first && code <= r.second; });
        };
        for (int code = 0; code <= 255; ++code) {
            const bool right = in(code, {{1, 5}, {11, 15}, {21, 25}, {64, 68}, {74, 78}, {84, 88}});
            QVERIFY2(isMissedCode(code) == !right, qPrintable(QString::number(code)));
            QVERIFY2(isUnsureCode(code) == in(code, {{64, 93}}), qPrintable(QString::number(code)));
        }
    }
};

REGISTER_TEST(ExamRecordTest)
#include "exam_record_test.moc"
