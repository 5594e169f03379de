// The one way the configuration file is replaced as a whole (report-card erasures, dropping a
// poor exam): the new content goes to a temporary file of its own beside it and takes its place
// in one step, so a failure at any point leaves the old file as it was. Here too the rewrite both
// report cards share.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ConfigFile;

// Replaces the file at path with content through durable_file::replace: on failure the old file
// stays intact and a RuntimeError tells the caller.
void replaceConfigFile(const QString& path, const QByteArray& content);

// The card whose lines are rebuilt; the records of the other kind are copied as they are.
enum class ReportCardOf { ReviewTests, Exams };

// What became of a card's rewrite. SavedNotResumable: saved, but the other kind's record in
// progress now lies past what record 1 can hold, so it can be resumed only until the program
// ends. Failed: the old file is whole, nothing in memory changed, and Error says why.
struct CardRewrite {
    enum Outcome { Saved, SavedNotResumable, Failed };
    Outcome Result = Saved;
    QString Error;
};

// Rewrites the configuration file through one replace: record 1, `kept` (the card's own records,
// whole, in list order), every record of the other kind in file order, then `unshown` (the card's
// records it could not show, unchanged). otherResumeNo, the number of the other kind's record in
// progress (0 for none), follows its record, in memory and in record 1.
CardRewrite rewriteReportCard(const ConfigFile& config, ReportCardOf card, const QList<QByteArray>& kept,
                              const QList<QByteArray>& unshown, int& otherResumeNo);
