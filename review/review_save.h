// Saving the review test in progress as its record of the configuration file.
#pragma once

class AppState;

// The largest record number that record 1 can point at, in one byte, as the review test or the
// exam to resume.
inline constexpr int MostResumableRecordNo = 255;

// Writes the review test in progress as its record: appended on its first save, rewritten in
// place on later ones. Record 1 then points at it and keeps the topic's drill level. A finished
// test is written once more with its final state and is no longer in progress afterwards.
// A record numbered past what record 1 can hold is still written and can be resumed until the
// program ends; the user is told once that it cannot be resumed after a restart.
// The record and record 1 reach the file together in one step; a file error raises a RuntimeError
// and leaves both the file and the test in memory as they were.
void SaveReviewRecord(AppState& state, bool testFinished);
