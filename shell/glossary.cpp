#include "shell/glossary.h"

#include "platform/cp1252.h"
#include "shell/text_store.h"

#include <algorithm>

Glossary::Glossary(const std::vector<QByteArray>& entries)
{
    const int n = std::max(int(entries.size()) - 1, 0);
    Terms.assign(size_t(n) + 1, {});
    Definitions.assign(Terms.size(), {});
    QByteArray previousInitial;
    for (int i = 1; i <= n; ++i) {
        const GlossaryEntry entry = splitGlossaryEntry(entries[size_t(i)]);
        Terms[size_t(i)] = entry.Term;
        Definitions[size_t(i)] = entry.Definition;
        // A letter that comes back later in the list keeps its first start.
        const QByteArray initial = entry.Term.left(1).toUpper();
        if (initial != previousInitial && initial >= "A" && initial <= "Z") {
            const int k = initial.at(0) - 'A';
            if (LetterStart[size_t(k)] == 0)
                LetterStart[size_t(k)] = i;
        }
        previousInitial = initial;
    }
    LetterStart[26] = n + 1;
    Current = n > 0 ? 1 : 0;
}

int Glossary::letterClick(int k)
{
    if (LastLetter == k && Current != count()) {
        int j = k + 1;
        while (j < 26 && LetterStart[size_t(j)] == 0)
            ++j;
        Current = Current < LetterStart[size_t(j)] - 1 ? Current + 1 : LetterStart[size_t(k)];
    } else {
        Current = LetterStart[size_t(k)];
        LastLetter = k;
    }
    return Current;
}

bool Glossary::entryMatches(int i, const QString& what, FindOptions options) const
{
    QByteArray target;
    if (options.where != SearchDefinitions)
        target += Terms[size_t(i)];
    if (options.where != SearchTerms)
        target += Definitions[size_t(i)];  // "Search Both" joins them directly
    const QString text = cp1252::toUnicode(target);
    if (options.matchCase)
        return text.contains(what);
    return text.toUpper().contains(what.toUpper());
}

int Glossary::find(const QString& what, FindOptions options)
{
    if (FoundEntry < count())
        FoundEntry = Current;
    // From the entry after the current one to the end, then once more from the top.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = FoundEntry + 1; i <= count(); ++i) {
            if (entryMatches(i, what, options)) {
                FoundEntry = Current = i;
                return i;
            }
        }
        if (FoundEntry == 0)
            break;
        FoundEntry = 0;
    }
    return 0;
}
