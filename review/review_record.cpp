#include "review/review_record.h"

#include "platform/record_file.h"

namespace {
constexpr int Positions = 300;
}

ReviewRecord decodeReviewRecord(const QByteArray& bytes)
{
    FieldReader in(bytes);
    ReviewRecord r;
    r.Kind = in.byte();
    r.SavedDate = in.text(10);
    r.ItemNo = in.integer();
    r.ItemsReached = in.integer();
    r.ItemCount = in.integer();
    r.TestType = in.byte();
    r.Score = in.single();
    r.TriesPerItem = in.single();
    r.Scrambled = in.byte();
    r.Minutes = in.single();
    for (int i = 1; i <= 3; ++i)
        r.Tally[i] = in.integer();
    for (int i = 1; i <= 3; ++i)
        r.Lifelines[i] = in.byte();
    for (int i = 1; i <= Positions; ++i)
        r.Items[i] = in.integer();
    for (int i = 1; i <= Positions; ++i)
        r.Misses[i] = in.byte();
    return r;
}

QByteArray encodeReviewRecord(const ReviewRecord& r)
{
    FieldWriter out;
    out.byte(r.Kind);
    out.text(r.SavedDate, 10);
    out.integer(r.ItemNo);
    out.integer(r.ItemsReached);
    out.integer(r.ItemCount);
    out.byte(r.TestType);
    out.single(r.Score);
    out.single(r.TriesPerItem);
    out.byte(r.Scrambled);
    out.single(r.Minutes);
    for (int i = 1; i <= 3; ++i)
        out.integer(r.Tally[i]);
    for (int i = 1; i <= 3; ++i)
        out.byte(r.Lifelines[i]);
    for (int i = 1; i <= Positions; ++i)
        out.integer(r.Items[i]);
    for (int i = 1; i <= Positions; ++i)
        out.byte(r.Misses[i]);
    return out.bytes();
}
