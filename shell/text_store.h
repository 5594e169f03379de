// The course text of one edition: the edition data file read whole and cut into the pieces
// that the windows show. Filled once at start-up and read-only afterwards.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <array>
#include <vector>

struct TextStore {
    QByteArray RtfHeader;                    // put before every piece shown
    std::vector<qint64> DataSectionStarts;   // 1..DataSectionCount: 1-based positions of the section markers
    std::vector<QByteArray> ReadingTexts;    // 1..ReadingTextCount
    std::vector<QByteArray> GlossaryEntries; // 1..1181, bare
    std::vector<QByteArray> ReviewItems;     // 1..ReviewItemCapacity, topic after topic
    std::vector<QByteArray> MockExamItems;   // 1..MockExamItemCapacity, exam after exam
    std::vector<std::array<int, 3>> TopicItemCounts;  // (group, 1) review items of a topic, (group, 2) items of an exam
    std::vector<QByteArray> HelpPages;       // 1..17
    std::vector<int> ItemPicture;            // per review item: its picture pictureSpec (1 or 2), 0 for none

    // A piece framed as a whole document for a pane: the header before it, the closing after it.
    QByteArray document(const QByteArray& piece) const { return RtfHeader + piece + "\\par }"; }
    // Item k of topic d, and item k of prepared exam e: their indexes in ReviewItems and MockExamItems.
    int reviewItemIndex(int topic, int k) const;
    int mockExamItemIndex(int exam, int k) const;
};

// Cuts the whole content of an edition data file. A malformed file raises a RuntimeError;
// no partial store is ever returned.
TextStore cutEditionData(const QByteArray& fileBytes, const Edition& edition);

// Reads the edition data file (EditionWord in folder) and cuts it; a file that cannot be read
// raises a RuntimeError.
TextStore loadEditionData(const QString& folder, const Edition& edition);

// The pieces of one item: the answer key 1..4 (0 when the letter is not A to D), the question
// with its choices, and the explanation.
int itemKey(const QByteArray& itemText);
QByteArray itemQuestion(const QByteArray& itemText);
QByteArray itemExplanation(const QByteArray& itemText);

struct GlossaryEntry {
    QByteArray Term;
    QByteArray Definition;
};
GlossaryEntry splitGlossaryEntry(const QByteArray& entry);

struct PictureSpec {
    QString Code;   // topic (two digits) and item (three digits): names the picture file
    int Topic = 0;
    int Item = 0;
    int Width = 0;
    int Height = 0;
};
PictureSpec parsePictureSpec(const QString& pictureSpec);
QString itemPictureFile(const Edition& edition, const PictureSpec& pictureSpec);
