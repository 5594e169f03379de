// The course of one edition as its authors write it, and the compiler that turns it into the
// edition data file that the text store cuts, plus the item pictures. The source format is
// described in content/README.md.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <stdexcept>

// A course that cannot be read, or that the data file cannot hold.
struct CourseError : std::runtime_error {
    explicit CourseError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Every text below is in the course markup (paragraphs, "# " headings, "- " bullets, **bold**,
// *italic*, "\" before a character to take it literally), except glossary terms, which are plain.
struct CourseItem {
    QString Question;
    std::array<QString, 4> Choices;  // A to D, one line each
    QChar Answer;                    // 'A' to 'D'
    QString Explanation;
    QString Picture;                 // name of the drawing its picture shows; empty for none
    QString Area;                    // exam outline area from its "// area:" comment; empty for none
};

struct GlossaryTerm {
    QString Term;
    QString Definition;
};

// The lists count from 0: TopicItems[0] holds the items of topic 1.
struct Course {
    QStringList ReadingTexts;
    QList<GlossaryTerm> Glossary;  // alphabetical
    QList<QList<CourseItem>> TopicItems;
    QList<QList<CourseItem>> ExamItems;
    QStringList HelpPages;
};

// Reads the edition's sources under contentFolder (its own folder, then common/).
Course readCourse(const QString& contentFolder, const Edition& edition);

// The RTF of a marked-up text: its paragraphs, each opened with "\pard", so that no text ever
// follows a paragraph mark directly and none can read as one of the file's markers.
QByteArray markupToRtf(const QString& markup);
// The question of an item with its choices, as its item text holds them from character 19 on.
QByteArray questionWithChoicesRtf(const CourseItem& item);

// The edition data file, in the layout the text store cuts. Refuses a course that the file
// cannot hold: wrong counts, too many items, an answer that is not A to D.
QByteArray buildEditionData(const Course& course, const Edition& edition);

// Writes the picture file of each of the edition's PictureSpecs into folder.
void writeItemPictures(const Course& course, const Edition& edition, const QString& folder);
