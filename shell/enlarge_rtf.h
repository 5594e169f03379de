// The larger-print copy of an RTF text that a maximised window shows.
#pragma once

#include <QByteArray>

// Scales every font size (\fs), tab stop (\tx), indent (\li) and first-line indent (\fi) after
// the first "\par" by 16/11, rounded down, in place. Only the first 2 (font sizes) or 4 (tabs
// and indents) characters after the word are read as its number; a word whose number is 0 or
// missing (\fswiss, \field) is left alone, and the head before the first "\par" never changes.
void EnlargeRtf(QByteArray& rtf);

// A text as built and as enlarged, for a window that shows the enlarged copy while maximised.
struct RtfCopies {
    QByteArray Normal;
    QByteArray Enlarged;

    void set(const QByteArray& rtf)
    {
        Normal = rtf;
        Enlarged = rtf;
        EnlargeRtf(Enlarged);
    }
    const QByteArray& forWindow(bool maximised) const { return maximised ? Enlarged : Normal; }
};
