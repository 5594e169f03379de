// Saving a report card's erasures: the configuration file rebuilt with the card's kept records
// and every record of the other kind, in one step.
#pragma once

#include <QByteArray>
#include <QList>

class AppState;
class ConfigImage;
struct Edition;

// The card whose lines are rebuilt; the records of the other kind are copied as they are.
enum class ReportCardOf { ReviewTests, Exams };

// What became of the erasures: Declined (the user answered No; nothing written), Saved, or Failed
// (the old file is whole, the user has been told, and the card keeps its erasures).
enum class CardSave { Declined, Saved, Failed };

// Rebuilds the file in memory: record 1, `kept` in list order, the other kind's records in file
// order, then `unshown` (the card's own records it could not show, kept as they are). Returns the
// other kind's resume number in the rebuilt file (0 stays 0); record 1 is left for the caller to
// point at it.
int rebuildForCard(ConfigImage& image, ReportCardOf card, const QList<QByteArray>& kept,
                   const QList<QByteArray>& unshown, int otherResumeNo, const Edition& edition);

// Asks whether to save the card's changes and on Yes rewrites the configuration file through one
// replace: record 1, `kept` (the card's own records, whole, in list order), every record of the
// other kind, then the card's records it could not show, unchanged. The other kind's resume number, in memory and in record 1, follows its record;
// one that no longer fits record 1 is resumable until the program ends and the user is told.
CardSave SaveReportCard(AppState& state, ReportCardOf card, const QList<QByteArray>& kept,
                        const QList<QByteArray>& unshown);

// Tells the user, when a card opens over records of its kind that it cannot show, how many there
// are and that they are kept; nothing when there are none.
void tellUnshownRecords(AppState& state, int count);
