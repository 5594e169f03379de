// The reading and glossary window: reading texts with printing, the glossary's letter buttons
// and its find panel.
#include "platform/rich_text_box.h"
#include "shell/help_window.h"
#include "shell/reading_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A small glossary: A 1..3, C 4..5, D 6 (lower case), M 7..8, Z 9..10.
const QList<QPair<QByteArray, QByteArray>> Glossary = {
    {"Abate", "To reduce a price."}, {"Accrue", "To grow over time."}, {"Acre", "Land of 43,560 square feet."},
    {"Cap", "An upper limit on a RATE."}, {"Condominium", "Owned units with common areas."},
    {"deed", "A written transfer of title."}, {"Mortgage", "A pledge of land as security."},
    {"Mortgagee", "The lender."}, {"Zone", "Rules for land use."}, {"Zoning Board", "The board that hears appeals."}};

struct ViewingFixture : AppFixture {
    explicit ViewingFixture(int mode)
    {
        loadCourse();
        state.forms.add("Viewing", [this] { return new Viewing(state); });
        state.forms.add("Help", [this] { return new Help(state); });
        if (mode == Viewing::GlossaryMode) {
            state.text.GlossaryEntries.assign(1, {});
            for (const auto& [term, definition] : Glossary)
                state.text.GlossaryEntries.push_back(term + "\r\n\\par  " + definition);
        }
        state.ViewingMode = mode;
        state.forms.show("Viewing");
        window = state.forms.find("Viewing");
        list = child<QListWidget>("List1");
        body = child<RichTextBox>("RichTextBox1");
    }
    template <class T>
    T* child(const QString& name) { return window->findChild<T*>(name); }
    QPushButton* button(const QString& name) { return child<QPushButton>(name); }
    void press(const QString& name) { button(name)->click(); }
    void letter(char c) { press(QStringLiteral("Command3(%1)").arg(c - 'A')); }
    void find(const QString& text)
    {
        child<QLineEdit>("Text2")->setText(text);
        press("Command1(4)");
    }

    Form* window = nullptr;
    QListWidget* list = nullptr;
    RichTextBox* body = nullptr;
};

}  // namespace

class ReadingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aReadingTextIsCaptionedLikeItsMenuButton()
    {
        ViewingFixture f(3);
        QCOMPARE(f.window->windowTitle(), QString("About Brisoval"));
        QVERIFY(f.body->Text().contains("The text of reading 3"));
        QVERIFY(f.button("Command1(0)")->isVisible());
        QVERIFY(!f.button("Command1(6)")->isVisible());
        QVERIFY(!f.list->isVisible());
    }

    void theGlossaryOpensAtItsFirstTerm()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        QCOMPARE(f.window->windowTitle(), QString("Glossary of Key Terms"));
        QCOMPARE(f.list->count(), 10);
        QCOMPARE(f.list->currentRow(), 0);
        QCOMPARE(f.child<RichTextBox>("RichTextBox2")->Text().trimmed(), QString("Abate"));
        QCOMPARE(f.body->Text().trimmed(), QString("To reduce a price."));
        QVERIFY(!f.button("Command1(0)")->isVisible());
        QString enabled;
        for (int k = 0; k < 26; ++k)
            if (f.button(QStringLiteral("Command3(%1)").arg(k))->isEnabled())
                enabled += QChar('A' + k);
        QCOMPARE(enabled, QString("ACDMZ"));
    }

    void letterButtonsStepThroughTheirTermsAndWrap()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        QList<int> rows;
        for (char c : {'A', 'A', 'A', 'C', 'C', 'C', 'Z', 'Z', 'Z', 'M'}) {
            f.letter(c);
            rows << f.list->currentRow();
        }
        // "A" right after opening is the second press of the letter selected at load.
        QCOMPARE(rows, (QList<int>{1, 2, 0, 3, 4, 3, 8, 9, 8, 6}));
        QCOMPARE(f.body->Text().trimmed(), QString("A pledge of land as security."));

        // A letter typed on a letter button presses that letter's button; a letter without
        // terms does nothing.
        QPushButton* m = f.button("Command3(12)");
        QTest::keyClick(m, 'd');
        QCOMPARE(f.list->currentRow(), 5);
        QTest::keyClick(f.button("Command3(3)"), 'b');
        QCOMPARE(f.list->currentRow(), 5);
    }

    void findSearchesOnAndWrapsOnce()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        f.press("Command1(6)");
        QVERIFY(f.child<QWidget>("Frame1")->isVisible());
        QVERIFY(!f.button("Command1(2)")->isEnabled());
        QVERIFY(!f.button("Command1(4)")->isEnabled());
        f.list->setCurrentRow(5);

        // Only before the current entry, in capitals: found after one wrap.
        f.find("  acr ");
        QCOMPARE(f.list->currentRow(), 2);
        // Absent: the message, and the selection stays.
        f.prompter.answer(Prompter::Ok);
        f.find("lease");
        QCOMPARE(f.list->currentRow(), 2);
        QCOMPARE(f.prompter.shown.back().text, QString("lease not found."));
        QCOMPARE(f.prompter.shown.back().title, QString("Sorry!"));
        QCOMPARE(f.prompter.shown.back().icon, Prompter::Question);

        // Match Case: "rate" is only in capitals.
        f.child<QRadioButton>("Option1(1)")->setChecked(true);
        f.find("rate");
        QCOMPARE(f.list->currentRow(), 3);
        f.child<QCheckBox>("Check1")->setChecked(true);
        f.prompter.answer(Prompter::Ok);
        f.find("rate");
        QCOMPARE(f.list->currentRow(), 3);
        QCOMPARE(int(f.prompter.shown.size()), 2);

        // Search Both joins the term and its definition.
        f.child<QCheckBox>("Check1")->setChecked(false);
        f.prompter.answer(Prompter::Ok);
        f.find("zonerules");
        QCOMPARE(int(f.prompter.shown.size()), 3);
        f.child<QRadioButton>("Option1(2)")->setChecked(true);
        f.find("zonerules");
        QCOMPARE(f.list->currentRow(), 8);
        QVERIFY(f.prompter.unexpected.isEmpty());

        f.press("Command1(5)");
        QVERIFY(!f.child<QWidget>("Frame1")->isVisible());
        QVERIFY(f.button("Command1(2)")->isEnabled());
    }

    void findTakesTheSelectedTextAndEnterSearches()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        f.list->setCurrentRow(6);  // "A pledge of land as security."
        f.body->setSelStart(12);
        f.body->setSelLength(4);   // "land"
        f.child<QRadioButton>("Option1(1)")->setChecked(true);
        f.press("Command1(6)");
        auto* text2 = f.child<QLineEdit>("Text2");
        QCOMPARE(text2->text(), QString("land"));
        QCOMPARE(f.list->currentRow(), 8);  // "Rules for land use."
        QCOMPARE(text2->cursorPosition(), 0);
        QVERIFY(f.button("Command1(4)")->isEnabled());

        f.prompter.answer(Prompter::Ok);
        text2->setText("gallon");
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(int(f.prompter.shown.size()), 1);
        text2->clear();
        QVERIFY(!f.button("Command1(4)")->isEnabled());
    }

    void fitsASmallScreenAndEscapeClosesOnlyTheFindPanel()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        const QSize opened = f.window->size();
        f.press("Command1(6)");
        QCOMPARE(f.window->size(), opened);
        // Room for a window manager's frame on the smallest screen the program accepts.
        const QSize least = f.window->minimumSizeHint().expandedTo(opened) + QSize(10, 40);
        QVERIFY(least.width() <= 800 && least.height() <= 600);
        QTest::keyClick(f.window, Qt::Key_Escape);
        QVERIFY(!f.child<QWidget>("Frame1")->isVisible());
        QTest::keyClick(f.window, Qt::Key_Escape);
        QVERIFY(f.state.forms.isLoaded("Viewing"));
    }

    void printingHonoursCancelCopiesAndTheSelection()
    {
        ViewingFixture f(2);
        QVERIFY(f.body->find("text of") > 0);

        f.printerDialog.cancel = true;
        f.press("Command1(0)");
        QVERIFY(f.printer.documents.isEmpty());
        QCOMPARE(f.printerDialog.shownFlags, std::vector<int>{PrinterDialog::NoPrintToFile});

        f.printerDialog.cancel = false;
        f.printerDialog.chooseSelection = true;
        f.press("Command1(0)");
        QCOMPARE(f.printer.documents, QStringList{"text of"});

        f.printer.documents.clear();
        f.printerDialog.chooseSelection = false;
        f.printerDialog.copyCount = 2;
        f.press("Command1(0)");
        QCOMPARE(f.printer.documents.size(), 2);
        QVERIFY(f.printer.documents[0].contains("The text of reading 2."));
        QCOMPARE(f.printer.documents[1], f.printer.documents[0]);
    }

    void printIsDisabledAfterAPrinterFailure()
    {
        AppFixture f;
        f.loadCourse();
        f.state.PrinterFailed = true;
        f.state.ViewingMode = 1;
        f.state.forms.add("Viewing", [&f] { return new Viewing(f.state); });
        QVERIFY(!f.state.forms.load("Viewing")->findChild<QPushButton*>("Command1(0)")->isEnabled());
    }

    void helpNotebookAndDone()
    {
        ViewingFixture f(Viewing::GlossaryMode);
        f.press("Command1(3)");
        Form* help = f.state.forms.find("Help");
        QCOMPARE(f.state.HelpTopicNo, 7);
        f.press("Command1(3)");
        QCOMPARE(f.state.forms.find("Help"), help);

        f.state.forms.add("NoteBook", [&f] { return new Form(f.state, "NoteBook"); });
        f.press("Command1(1)");
        QVERIFY(f.state.forms.find("NoteBook")->isVisible());
        f.window->move(30, 20);
        f.press("Command1(2)");
        QVERIFY(!f.state.forms.isLoaded("Viewing"));
        QCOMPARE(f.state.FormLeft[15], 30 * 15);
    }
};

REGISTER_TEST(ReadingWindowTest)
#include "reading_window_test.moc"
