// The glossary's rules without a window: where letters start, stepping through a letter's terms,
// and finding a text with wrap-around.
#include "shell/glossary.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {

// A: 1..3, C: 4..5, D: 6 (lower case), M: 7..8, Z: 9..10.
Glossary smallGlossary()
{
    const QList<QPair<QByteArray, QByteArray>> entries = {
        {"Abate", "To reduce a price."}, {"Accrue", "To grow over time."}, {"Acre", "Land of 43,560 square feet."},
        {"Cap", "An upper limit on a RATE."}, {"Condominium", "Owned units with common areas."},
        {"deed", "A written transfer of title."}, {"Mortgage", "A pledge of land as security."},
        {"Mortgagee", "The lender."}, {"Zone", "Rules for land use."}, {"Zoning Board", "The board that hears appeals."}};
    std::vector<QByteArray> store(1);
    for (const auto& [term, definition] : entries)
        store.push_back(term + "\r\n\\par  " + definition);
    return Glossary(store);
}

}  // namespace

class GlossaryTest : public QObject {
    Q_OBJECT
private slots:
    void lettersStepThroughTheirTermsAndWrap()
    {
        Glossary g = smallGlossary();
        QCOMPARE(g.current(), 1);
        QString letters;
        for (int k = 0; k < 26; ++k)
            if (g.hasLetter(k))
                letters += QChar('A' + k);
        QCOMPARE(letters, QString("ACDMZ"));
        QList<int> shown;
        for (char c : {'A', 'A', 'A', 'C', 'C', 'C', 'Z', 'Z', 'Z', 'M'})
            shown << g.letterClick(c - 'A');
        // "A" right after opening is the second press of the letter selected at load; the last
        // letter wraps too.
        QCOMPARE(shown, (QList<int>{2, 3, 1, 4, 5, 4, 9, 10, 9, 7}));
        // On the last entry, a press of its letter starts the letter again.
        g.select(10);
        QCOMPARE(g.letterClick('M' - 'A'), 7);
        QCOMPARE(g.letterClick('M' - 'A'), 8);
        QCOMPARE(g.definition(8), QByteArray("The lender."));
    }

    void findSearchesOnAndWrapsOnce_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("where");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        QTest::newRow("after the current entry") << 1 << "acr" << 0 << false << 3;
        QTest::newRow("before it: after one wrap") << 6 << "ACR" << 0 << false << 3;
        QTest::newRow("absent") << 6 << "lease" << 0 << false << 0;
        QTest::newRow("the current entry only when nothing else") << 3 << "acre" << 0 << false << 3;
        QTest::newRow("definitions") << 1 << "rate" << 1 << false << 4;
        QTest::newRow("definitions, case matched") << 1 << "rate" << 1 << true << 0;
        QTest::newRow("terms only") << 1 << "lender" << 0 << false << 0;
        QTest::newRow("both joined directly") << 1 << "zonerules" << 2 << false << 9;
        QTest::newRow("the last entry") << 9 << "appeals" << 1 << false << 10;
    }
    void findSearchesOnAndWrapsOnce()
    {
        QFETCH(int, from);
        QFETCH(QString, what);
        QFETCH(int, where);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        Glossary g = smallGlossary();
        g.select(from);
        QCOMPARE(g.find(what, {Glossary::SearchIn(where), matchCase}), found);
        QCOMPARE(g.current(), found ? found : from);
    }

    void afterTheLastEntryTheNextFindStartsAtTheTop()
    {
        Glossary g = smallGlossary();
        g.select(9);
        QCOMPARE(g.find("Zon", {}), 10);
        g.select(2);  // moving in the list does not restart a search that ended on the last entry
        QCOMPARE(g.find("Zon", {}), 9);
    }
};

REGISTER_TEST(GlossaryTest)
#include "glossary_test.moc"
