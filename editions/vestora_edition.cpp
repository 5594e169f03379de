// The broker-licence edition.
#include "editions/edition.h"

const Edition& vestoraEdition()
{
    static const Edition edition{
        .EditionWord = "Broker",
        .ProgramTitle = "Vestora",
        .HasEditionChooser = true,
        .ExamLoadSetsCloseCaption = true,
        .OtherProgramFile = "Praxelle.exe",
        .TitleLine1 = "REAL ESTATE BROKER LICENSE",
        .TitleLine2 = "EXAM PREPARATION",
        .EditionLine = "Second Edition",
        .NotebookHeading = "Brisoval Broker License",
        .PublisherLine = "Brisoval presents...",
        .TopicCount = 8,
        .PreparedExamCount = 4,
        .ScoreLogSize = 39,
        .ReservedWidth = 305,
        .DefaultPassMark = 75,
        .EditionPassThreshold = 75.0f,
        .DataSectionCount = 10,
        .ReadingTextCount = 6,
        .ReviewItemCapacity = 500,
        .MockExamItemCapacity = 400,
        .ExamRecordSize = 939,
        .TopicTitles = {QString(), "Broker Definitions", "Real Property and Laws Relating to Ownership",
                        "Transfer of Real Property", "Financing Real Estate",
                        "Valuation/Appraisal of Real Property", "Real Estate Practice",
                        "Tax Implications of Real Estate Ownership",
                        "Broker's Responsibilities for Office Management"},
        .ExamTitles = {QString(), "Mock Exam I AM", "Mock Exam I PM", "Mock Exam II AM", "Mock Exam II PM",
                       "Custom Built", "Retake All Items", "Retake Missed Items", "Retake Unsure Items"},
        .PictureSpecs = {QString(), "06048,0202,0151", "08016,0248,0187"},
        .ResultsExamWord = " Mock Exam",
        .MenuExamOption = "&Mock Exam",
        .MenuResumeExam = "Resume &Mock Exam",
        .MenuExamReports = "&Mock Exams",
        .MenuDiscussionButtons = {"&Topics and Highlights", "&How to Take the State Exam", "About B&risoval",
                                  "&About This Software", "&Review Tests Discussion", "&Mock Exams Discussion"},
        .ResultsCaption = "Mock Exam Results",
        .ScoringCaption = "Mock Exam Report Card",
        .ScoringNote = "Note: The list includes only exams with at least 30% answered correctly, "
                       "and you may take three complete drills of any mock exam.",
        .ExamSetFrameCaption = "Mock Exams Available",
        .ExamSetPreparedOptions = {"Exam I - AM", "Exam I - PM", "Exam II - AM", "Exam II - PM"},
        .ExamSetCustomOption = 4,
        .ExamSetCustomListIndex = 29,
    };
    return edition;
}
