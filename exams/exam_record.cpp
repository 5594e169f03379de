#include "exams/exam_record.h"

#include "platform/record_file.h"

namespace {
constexpr int Positions = 300;
}

ExamRecord decodeExamRecord(const QByteArray& bytes, const Edition& edition)
{
    FieldReader in(bytes);
    ExamRecord r;
    r.Kind = in.byte();
    r.SavedDate = in.text(10);
    r.CurrentItem = in.integer();
    r.ItemCount = in.integer();
    r.AnsweredCount = in.integer();
    r.ExamKind = in.byte();
    r.Score = in.single();
    r.UnsureCount = in.integer();
    r.Scrambled = in.byte();
    r.Minutes = in.single();
    r.TimeLimit = in.byte();
    r.Structured = in.byte();
    r.Topics.assign(size_t(edition.TopicCount) + 1, 0);
    for (int t = 1; t <= edition.TopicCount; ++t)
        r.Topics[t] = in.byte();
    for (int i = 1; i <= Positions; ++i)
        r.Items[i] = in.integer();
    for (int i = 1; i <= Positions; ++i)
        r.Codes[i] = in.byte();
    return r;
}

QByteArray encodeExamRecord(const ExamRecord& r, const Edition& edition)
{
    FieldWriter out;
    out.byte(r.Kind);
    out.text(r.SavedDate, 10);
    out.integer(r.CurrentItem);
    out.integer(r.ItemCount);
    out.integer(r.AnsweredCount);
    out.byte(r.ExamKind);
    out.single(r.Score);
    out.integer(r.UnsureCount);
    out.byte(r.Scrambled);
    out.single(r.Minutes);
    out.byte(r.TimeLimit);
    out.byte(r.Structured);
    for (int t = 1; t <= edition.TopicCount; ++t)
        out.byte(t < int(r.Topics.size()) ? r.Topics[t] : 0);
    for (int i = 1; i <= Positions; ++i)
        out.integer(r.Items[i]);
    for (int i = 1; i <= Positions; ++i)
        out.byte(r.Codes[i]);
    return out.bytes();
}

int encodeItemResult(int answer, bool wrong, int timesAnswered, int unsure)
{
    const int repeats = timesAnswered == 2 ? 10 : timesAnswered >= 3 ? 20 : 0;
    return answer + unsure + repeats + (wrong ? 5 : 0);
}

ItemResult decodeItemResult(int code)
{
    const bool unsure = isUnsureCode(code);
    const int base = unsure ? code - UnsureMark : code;  // 1..30 for every code that holds an answer
    if (base < 1 || base > 30)
        return {};
    // Bands of five: once right, once wrong, twice right, twice wrong, three times right, wrong.
    const int band = (base - 1) / 5;
    return {base - 5 * band, unsure ? UnsureMark : 0, band / 2 + 1};
}

bool isMissedCode(int code)
{
    const int base = isUnsureCode(code) ? code - UnsureMark : code;
    const bool answeredRight = base >= 1 && base <= 30 && ((base - 1) / 5) % 2 == 0;
    return !answeredRight;
}

bool isUnsureCode(int code)
{
    return code >= 64 && code <= 93;
}
