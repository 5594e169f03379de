// The settings that tell the two editions apart. Everything else is shared code:
// ask the Edition rather than comparing edition names.
#pragma once

#include <QString>
#include <QStringList>

struct Edition {
    // Names and title texts
    QString EditionWord;          // names the data file and prefixes every other file
    QString ProgramTitle;         // message-box title when none is given
    bool HasEditionChooser;       // only the broker edition asks which edition to run
    bool ExamLoadSetsCloseCaption;  // the broker edition's exam window decides Break or Cancel after loading
    QString OtherProgramFile;     // the program the chooser hands over to
    QString TitleLine1;
    QString TitleLine2;
    QString EditionLine;
    QString NotebookHeading;
    QString PublisherLine;

    // Counts
    int TopicCount;
    int PreparedExamCount;
    int ScoreLogSize;
    int ReservedWidth;            // width of the reserved tail of record 1
    int DefaultPassMark;
    float EditionPassThreshold;   // percent at which a finished test counts as a drill
    int DataSectionCount;
    int ReadingTextCount;
    int ReviewItemCapacity;
    int MockExamItemCapacity;
    int ExamRecordSize;           // bytes an exam record fills in its 940-byte slot

    // Tables, 1-based: element 0 is unused
    QStringList TopicTitles;
    QStringList ExamTitles;
    QStringList PictureSpecs;

    // Captions stored in windows that differ between the editions
    QString ResultsExamWord;          // results printout
    QString MenuExamOption;           // main menu exam option
    QString MenuResumeExam;           // its caption while an exam is in progress
    QString MenuExamReports;          // report button of the exam report card
    QStringList MenuDiscussionButtons;  // 0-based, one per reading text
    QString ResultsCaption;
    QString ScoringCaption;
    QString ScoringNote;
    QString ExamSetFrameCaption;
    QStringList ExamSetPreparedOptions;  // 0-based
    int ExamSetCustomOption;          // Option3 index of the custom exam
    int ExamSetCustomListIndex;       // List1(0) index selected with it

    // Derived numbers, the same rule in both editions
    int CustomExamNo() const { return PreparedExamCount + 1; }
    int RetakeAllKind() const { return PreparedExamCount + 2; }
    int RetakeMissedKind() const { return PreparedExamCount + 3; }
    int RetakeUnsureKind() const { return PreparedExamCount + 4; }
    int HighestLoggedKind() const { return RetakeAllKind(); }
    int TrackedSlotCount() const { return TopicCount + PreparedExamCount + 1; }
    int ExamRecordKind(int examChoice) const { return examChoice + TopicCount; }
    int AllTopicsDoneTotal() const { return 3 * TopicCount; }
    int AllExamsDoneTotal() const { return 3 * (PreparedExamCount + 1); }
    int ExamKindCount() const { return PreparedExamCount + 4; }
};

// Texts and bounds that both editions share.
inline constexpr int GlossaryEntryCount = 1181;
inline constexpr int HelpPageCount = 17;
inline constexpr int MostTestItems = 300;   // positions in one review test or exam
inline const QStringList ReviewTypeTitles = {
    QString(), "All Items", "Retake All Items", "Retake Missed Items", "Retake Wild Guesses", QString()};

const Edition& vestoraEdition();
const Edition& praxelleEdition();
