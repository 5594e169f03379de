// The salesperson-licence edition.
#include "editions/edition.h"

const Edition& praxelleEdition()
{
    static const Edition edition{
        .EditionWord = "License",
        .ProgramTitle = "Praxelle",
        .HasEditionChooser = false,
        .ExamLoadSetsCloseCaption = false,
        .OtherProgramFile = QString(),
        .TitleLine1 = "REAL ESTATE SALESPERSON LICENSE",
        .TitleLine2 = "EXAM PREPARATION",
        .EditionLine = "Third Edition",
        .NotebookHeading = "Brisoval Salesperson License",
        .PublisherLine = "Brisoval presents...",
        .TopicCount = 9,
        .PreparedExamCount = 2,
        .ScoreLogSize = 36,
        .ReservedWidth = 351,
        .DefaultPassMark = 70,
        .EditionPassThreshold = 70.0f,
        .DataSectionCount = 11,
        .ReadingTextCount = 7,
        .ReviewItemCapacity = 796,
        .MockExamItemCapacity = 300,
        .ExamRecordSize = 940,
        .TopicTitles = {QString(), "Definitions", "Preliminary Evaluation",
                        "Real Property and Laws Relating to Ownership", "Transfer of Real Property",
                        "Financing Real Estate", "Valuation/Appraisal of Real Property", "Real Estate Practice",
                        "Tax Implications of Real Estate Ownership",
                        "Brokerage: Responsibilities and Functions of Salespersons"},
        .ExamTitles = {QString(), "Screening Exam I", "Screening Exam II", "Custom Built", "Retake All Items",
                       "Retake Missed Items", "Retake Unsure Items"},
        .PictureSpecs = {QString(), "06008,0263,0232", "09075,0248,0196"},
        .ResultsExamWord = " Screening Exam",
        .MenuExamOption = "&Screening Exam",
        .MenuResumeExam = "Resume &Screening Exam",
        .MenuExamReports = "&Screening Exams",
        .MenuDiscussionButtons = {"&Topics and Highlights", "&How to Take the State Exam", "About B&risoval",
                                  "&About This Software", "How to &Enroll", "&Review Tests Discussion",
                                  "&Screening Exams Discussion"},
        .ResultsCaption = "Sreening Exam Results",
        .ScoringCaption = "Screening Exam Report Card",
        .ScoringNote = "Note: The list includes only exams with at least 30% answered correctly, "
                       "and you may take three complete drills of any screening exam.",
        .ExamSetFrameCaption = "Screening Exams Available",
        .ExamSetPreparedOptions = {"Exam I - Author Prepared", "Exam II - Author Prepared"},
        .ExamSetCustomOption = 2,
        .ExamSetCustomListIndex = 38,
    };
    return edition;
}
