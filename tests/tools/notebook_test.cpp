// The notebook: its file, the change flag and the closing question, find with its one wrap,
// printing, failed saves and the main menu's closing.
#include "app/main_menu.h"
#include "app/startup.h"
#include "platform/rich_text_box.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"
#include "tools/notebook.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

namespace {

struct NotebookFixture : AppFixture {
    NotebookFixture()
    {
        state.forms.add("NoteBook", [this] { return new NoteBook(state); });
        state.forms.add("ButtonMenu", [this] { return new ButtonMenu(state); });
        file = state.path(state.NotebookFileName);
        writeFile(file, notebookTemplate(state.edition, "Pat Doe"));
    }
    ~NotebookFixture()
    {
        for (const char* name : {"NoteBook", "ButtonMenu"})
            delete state.forms.find(name);
    }
    RichTextBox* open()
    {
        state.forms.showRestored("NoteBook");
        return box();
    }
    RichTextBox* box() const { return window()->findChild<RichTextBox*>("RichTextBox1"); }
    Form* window() const { return state.forms.find("NoteBook"); }
    void press(const QString& name) { window()->findChild<QPushButton*>(name)->click(); }
    void findNext(const QString& what)
    {
        window()->findChild<QLineEdit*>("Text1(1)")->setText(what);
        press("Command2(0)");
    }
    QString lastBox() const { return prompter.shown.empty() ? QString() : prompter.shown.back().title; }

    QString file;
};

}  // namespace

class NotebookTest : public QObject {
    Q_OBJECT

private slots:
    // Only a typed key (or another edit) makes the closing ask; Yes writes the text with its
    // formatting, No leaves the file and the flag cleared.
    void closingAsksAfterAnEdit()
    {
        NotebookFixture f;
        const QByteArray before = readFile(f.file);
        f.open();
        f.press("Command1(2)");  // Done, nothing typed
        QVERIFY(!f.state.forms.isLoaded("NoteBook"));
        QVERIFY(f.prompter.shown.empty());

        QTest::keyClicks(f.open(), "x");
        f.prompter.answer(Prompter::No);
        f.window()->close();
        QCOMPARE(f.lastBox(), "Change Detected!");
        QCOMPARE(f.prompter.shown.back().text, "Save your changes to disk?");
        QCOMPARE(f.prompter.shown.back().buttons, Prompter::YesNo);
        QCOMPARE(readFile(f.file), before);
        QVERIFY(!f.state.NotebookChanged);

        // The Delete key types no character, but its edit is not lost unasked either. The caret is
        // where the typed "x" left it.
        QTest::keyClick(f.open(), Qt::Key_Delete);
        QTest::keyClicks(f.box(), "Tip ");
        QVERIFY(f.state.NotebookChanged);
        f.prompter.answer(Prompter::Yes);
        f.press("Command1(2)");
        QCOMPARE(f.prompter.shown.size(), size_t(2));
        RichTextBox* reopened = f.open();
        QVERIFY(reopened->Text().startsWith("RTip chTextBox1\nReview Notes for the\n"));  // at the kept caret
        QCOMPARE(reopened->document()->begin().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(reopened->document()->begin().next().blockFormat().alignment(), Qt::AlignHCenter);
        QVERIFY(!f.state.NotebookChanged);
    }

    void caretAndLastHitKeptBetweenOpenings()
    {
        NotebookFixture f;
        f.open()->setSelStart(17);
        f.window()->close();
        QCOMPARE(f.open()->SelStart(), 17);
        f.press("Command1(0)");
        f.findNext("Notes");
        const int first = f.box()->SelStart();
        f.window()->close();
        f.open();
        f.press("Command1(0)");
        f.findNext("Notes");
        QVERIFY(f.box()->SelStart() > first);  // after the first hit, not from the top
    }

    // Find Next goes from hit to hit, wraps to the top once, matches case only when asked,
    // and a miss says so and starts the next search at the top.
    void findWrapsOnce()
    {
        NotebookFixture f;
        f.open()->setPlainText("Alpha beta ALPHA gamma alphabet");
        f.state.PrinterFailed = true;
        f.press("Command1(0)");
        for (const char* name : {"Command1(0)", "Command1(1)", "Command1(2)", "Command2(0)"})
            QVERIFY(!f.window()->findChild<QPushButton*>(name)->isEnabled());
        for (int expected : {0, 11, 23, 0}) {
            f.findNext("alpha");
            QCOMPARE(f.box()->SelStart(), expected);
            QCOMPARE(f.box()->SelLength(), 5);
        }
        f.window()->findChild<QCheckBox*>("Check1")->setChecked(true);
        f.findNext("alpha");
        QCOMPARE(f.box()->SelStart(), 23);
        f.findNext("ALPHA");
        QCOMPARE(f.box()->SelStart(), 11);
        f.prompter.answer(Prompter::Ok);
        f.findNext("Gamma");
        QCOMPARE(f.prompter.shown.back().text, "Gamma not found.");
        QCOMPARE(f.prompter.shown.back().icon, Prompter::Question);
        QCOMPARE(f.lastBox(), "Sorry!");
        QCOMPARE(f.box()->SelStart(), 11);
        f.findNext("Alpha");
        QCOMPARE(f.box()->SelStart(), 0);  // from the top after the miss

        f.press("Command2(1)");
        QVERIFY(f.window()->findChild<QPushButton*>("Command1(2)")->isEnabled());
        QVERIFY(!f.window()->findChild<QPushButton*>("Command1(1)")->isEnabled());  // no printer this run
    }

    void printsTheSelectionOrAll()
    {
        NotebookFixture f;
        RichTextBox* box = f.open();
        box->setPlainText("first line\nsecond line");
        box->setSelStart(6);
        box->setSelLength(4);
        f.printerDialog.chooseSelection = true;
        f.press("Command1(1)");
        f.printerDialog.chooseSelection = false;
        f.printerDialog.copyCount = 2;
        f.press("Command1(1)");
        QCOMPARE(f.printer.documents, QStringList({"line", box->Text(), box->Text()}));
        QCOMPARE(f.printerDialog.shownFlags.back(), PrinterDialog::NoPrintToFile);
    }

    // A save that fails says so and loses nothing: the window stays with its text and flag.
    void failedSaveKeepsTheText_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("folder in its place") << true;
    }
    void failedSaveKeepsTheText()
    {
        QFETCH(bool, folder);
        NotebookFixture f;
        QTest::keyClicks(f.open(), "kept ");
        const QByteArray before = readFile(f.file);
        if (folder) {
            QFile::remove(f.file);
            QVERIFY(QDir(f.state.folder).mkdir(f.state.NotebookFileName));
        } else {
            QVERIFY(QFile::setPermissions(f.file, QFile::ReadOwner | QFile::ReadGroup));
        }
        f.prompter.answer(Prompter::Yes);
        f.prompter.answer(Prompter::Ok);
        f.press("Command1(2)");
        QCOMPARE(f.lastBox(), "Notebook Not Saved!");
        QVERIFY(f.window() && f.window()->isVisible());
        QVERIFY(f.box()->Text().startsWith("kept "));
        QVERIFY(f.state.NotebookChanged);
        QCOMPARE(QFileInfo(f.file).isDir(), folder);
        QCOMPARE(readFile(f.file), folder ? QByteArray() : before);
        QVERIFY(!QFile::exists(f.file + ".new"));

        // The main menu's closing stays as well, and the program goes on.
        f.state.forms.show("ButtonMenu");
        f.prompter.answer(Prompter::Yes);
        f.prompter.answer(Prompter::Ok);
        f.state.forms.find("ButtonMenu")->close();
        QCOMPARE(f.lastBox(), "Notebook Not Saved!");
        QVERIFY(!f.control.ended);
        QVERIFY(f.state.forms.isLoaded("ButtonMenu"));
    }

    void missingNotebookOpensEmpty()
    {
        NotebookFixture f;
        QFile::remove(f.file);
        f.prompter.answer(Prompter::Ok);
        QVERIFY(f.open()->Text().isEmpty());
        QCOMPARE(f.lastBox(), "Notebook Cannot Be Read!");
        QVERIFY(f.prompter.shown.back().text.contains(f.file));
    }

    // Closing the program with typed changes: Yes saves them, then the program ends.
    void mainMenuClosingSaves()
    {
        NotebookFixture f;
        f.state.forms.show("ButtonMenu");
        QTest::keyClicks(f.open(), "Last words ");
        f.prompter.answer(Prompter::Yes);
        f.state.forms.find("ButtonMenu")->close();
        QCOMPARE(f.lastBox(), "Change to NoteBook Detected!");
        QVERIFY(f.control.ended);
        RichTextBox saved;
        saved.LoadFile(f.file);
        QVERIFY(saved.Text().startsWith("Last words RichTextBox1"));
    }
};

REGISTER_TEST(NotebookTest)
#include "notebook_test.moc"
