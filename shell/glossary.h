// The glossary's rules, without a window: the terms and definitions, where each letter's terms
// start, stepping through a letter's terms, and finding a text with wrap-around.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

class Glossary {
public:
    enum SearchIn { SearchTerms, SearchDefinitions, SearchBoth };
    struct FindOptions {
        SearchIn where = SearchTerms;
        bool matchCase = false;
    };

    // Entries as the text store keeps them, 1-based (element 0 unused).
    explicit Glossary(const std::vector<QByteArray>& entries = {});

    int count() const { return int(Terms.size()) - 1; }
    const QByteArray& term(int i) const { return Terms.at(size_t(i)); }
    const QByteArray& definition(int i) const { return Definitions.at(size_t(i)); }
    bool hasLetter(int k) const { return LetterStart.at(size_t(k)) != 0; }

    // The entry shown, 1-based; 0 when there is none.
    int current() const { return Current; }
    void select(int i) { Current = i; }

    // A letter's button: its first term, then each click on the same letter the next of its
    // terms, back to the first after the last. Returns the entry to show.
    int letterClick(int k);
    // The next entry after the one shown that holds what, wrapping once to the top; 0 when none does.
    int find(const QString& what, FindOptions options);

private:
    bool entryMatches(int i, const QString& what, FindOptions options) const;

    std::vector<QByteArray> Terms;        // 1-based
    std::vector<QByteArray> Definitions;  // 1-based
    std::array<int, 27> LetterStart{};    // 1-based entry numbers; [26] = entries + 1
    int LastLetter = 0;
    int FoundEntry = 0;
    int Current = 0;
};
