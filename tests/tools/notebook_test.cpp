// The notebook: the change flag and the closing question, find with its one wrap, and failed
// saves, also at the main menu's closing.
#include "app/main_menu.h"
#include "app/startup.h"
#include "platform/rich_text_box.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"
#include "tools/notebook.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTextBlock>

namespace {

struct NotebookFixture : AppFixture {
    NotebookFixture() : file(state.path(state.NotebookFileName))
    {
        state.forms.add("NoteBook", [this] { return new NoteBook(state); });
        state.forms.add("ButtonMenu", [this] { return new ButtonMenu(state); });
        writeFile(file, notebookTemplate(state.edition, "Pat Doe"));
    }
    RichTextBox* open()
    {
        state.forms.showRestored("NoteBook");
        return box();
    }
    template <class T>
    T* child(const QString& name) const { return state.forms.find("NoteBook")->findChild<T*>(name); }
    RichTextBox* box() const { return child<RichTextBox>("RichTextBox1"); }
    QPushButton* button(const QString& name) const { return child<QPushButton>(name); }
    void findNext(const QString& what)
    {
        child<QLineEdit>("Text1(1)")->setText(what);
        button("Command2(0)")->click();
    }
    QString lastTitle() const { return prompter.shown.empty() ? QString() : prompter.shown.back().title; }

    const QString file;
};

}  // namespace

class NotebookTest : public QObject {
    Q_OBJECT

private slots:
    // Only an edit makes the closing ask, even one that types no character; No leaves the file,
    // Yes writes the text with its formatting, and the caret comes back where it was. A letter
    // held with Alt or Meta types nothing, not even over a selection.
    void closingAsksAfterAnEdit()
    {
        NotebookFixture f;
        const QByteArray before = readFile(f.file);
        QTest::keyClick(f.open(), Qt::Key_Left);  // an arrow key is no edit
        f.box()->setSelLength(4);
        for (Qt::KeyboardModifier held : {Qt::AltModifier, Qt::MetaModifier})
            QTest::keyClick(f.box(), Qt::Key_N, held);
        QCOMPARE(f.box()->SelLength(), 4);
        f.button("Command1(2)")->click();  // Done, nothing typed
        QVERIFY(f.prompter.shown.empty() && !f.state.forms.isLoaded("NoteBook"));

        QTest::keyClick(f.open(), Qt::Key_Right);
        QTest::keyClick(f.box(), Qt::Key_Delete);
        f.prompter.answer(Prompter::No);
        f.state.forms.unload("NoteBook");
        QCOMPARE(f.lastTitle(), "Change Detected!");
        QCOMPARE(readFile(f.file), before);
        QVERIFY(!f.state.NotebookChanged);

        QTest::keyClicks(f.open(), "Tip ");
        f.prompter.answer(Prompter::Yes);
        f.button("Command1(2)")->click();
        const QTextDocument* saved = f.open()->document();
        QVERIFY(saved->toPlainText().startsWith("RTip ichTextBox1\n"));
        QCOMPARE(saved->begin().charFormat().fontWeight(), int(QFont::Bold));
    }

    // Find Next goes from hit to hit and wraps to the top once; Match Case counts only when
    // checked; a miss says so. The find panel holds Done off while it is open.
    void findWrapsOnce()
    {
        NotebookFixture f;
        f.state.PrinterFailed = true;
        f.open()->setPlainText("Alpha beta ALPHA gamma alphabet");
        f.button("Command1(0)")->click();
        QVERIFY(!f.button("Command1(2)")->isEnabled() && !f.button("Command2(0)")->isEnabled());
        // In the find box too a letter held with Alt types nothing, and Find Next's key works.
        auto* what = f.child<QLineEdit>("Text1(1)");
        QTest::keyClicks(what, "alpha");
        what->selectAll();
        QTest::keyClick(what, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(what->text(), "alpha");
        what->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(what->window()));
        QTest::keyClick(what, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(f.box()->SelLength(), 5);
        QCOMPARE(f.box()->SelStart(), 0);
        for (int expected : {11, 23, 0}) {
            f.findNext("alpha");
            QCOMPARE(f.box()->SelStart(), expected);
        }
        f.child<QCheckBox>("Check1")->setChecked(true);
        f.findNext("alpha");
        QCOMPARE(f.box()->SelStart(), 23);
        QCOMPARE(f.box()->SelLength(), 5);
        f.prompter.answer(Prompter::Ok);
        f.findNext("Gamma");
        QCOMPARE(f.prompter.shown.back().text, "Gamma not found.");
        QCOMPARE(f.lastTitle(), "Sorry!");
        f.button("Command2(1)")->click();
        QVERIFY(f.button("Command1(2)")->isEnabled() && !f.button("Command1(1)")->isEnabled());
    }

    // A save that fails says so and loses nothing: the notebook, and at the program's end the
    // main menu too, stay open with the text and its change flag. Once the file can be
    // written, the menu's Yes saves the text and the program ends.
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
        f.state.forms.show("ButtonMenu");
        QTest::keyClicks(f.open(), "kept ");
        const QByteArray before = readFile(f.file);
        QVERIFY(folder ? QFile::remove(f.file) && QDir(f.state.folder).mkdir(f.state.NotebookFileName)
                       : QFile::setPermissions(f.file, QFile::ReadOwner | QFile::ReadGroup));
        for (Prompter::Answer answer : {Prompter::Yes, Prompter::Ok, Prompter::Yes, Prompter::Ok, Prompter::Yes})
            f.prompter.answer(answer);
        f.button("Command1(2)")->click();
        QCOMPARE(f.lastTitle(), "Notebook Not Saved!");
        QVERIFY(f.box()->isVisible() && f.box()->Text().startsWith("kept ") && f.state.NotebookChanged);
        QCOMPARE(readFile(f.file), folder ? QByteArray() : before);
        QVERIFY(temporaryFilesOf(f.file).isEmpty());

        f.state.forms.unload("ButtonMenu");
        QVERIFY(!f.control.ended && f.state.forms.isLoaded("ButtonMenu"));
        QVERIFY(folder ? QDir(f.file).removeRecursively() : QFile::setPermissions(f.file, QFile::WriteOwner));
        f.state.forms.unload("ButtonMenu");
        QVERIFY(f.control.ended);
        RichTextBox saved;
        saved.LoadFile(f.file);
        QVERIFY(saved.Text().startsWith("kept RichTextBox1"));
    }

    // A link in the notebook's place stays a link: the file it leads to is saved.
    void savesThroughALink()
    {
        NotebookFixture f;
        const QString real = f.state.path("kept.RTF");
        QVERIFY(QFile::rename(f.file, real) && QFile::link(real, f.file));
        QTest::keyClicks(f.open(), "linked ");
        f.prompter.answer(Prompter::Yes);
        f.button("Command1(2)")->click();
        QCOMPARE(QFileInfo(f.file).symLinkTarget(), real);
        RichTextBox saved;
        saved.LoadFile(real);
        QVERIFY(saved.Text().startsWith("linked RichTextBox1"));
    }

    // An unreadable notebook opens empty; plain text in its place opens with its lines.
    void notebookThatIsNotRtf()
    {
        NotebookFixture f;
        QVERIFY(QFile::remove(f.file) && QDir(f.state.folder).mkdir(f.state.NotebookFileName));
        f.prompter.answer(Prompter::Ok);
        QVERIFY(f.open()->Text().isEmpty());
        QCOMPARE(f.lastTitle(), "Notebook Cannot Be Read!");

        RichTextBox box;
        // UTF-8, the code page, and UTF-16 either way round, known by its byte-order mark.
        const QString lines = QString::fromUtf8("first\r\nsecond caf\xc3\xa9");
        const auto utf16 = [&lines](QStringConverter::Encoding order) {
            return QByteArray(QStringEncoder(order, QStringConverter::Flag::WriteBom)(lines));
        };
        for (const QByteArray& text : {QByteArray("first\nsecond caf\xc3\xa9"), QByteArray("first\r\nsecond caf\xe9"),
                                       utf16(QStringConverter::Utf16LE), utf16(QStringConverter::Utf16BE)}) {
            writeFile(f.file + "2", text);
            box.LoadFile(f.file + "2");
            QCOMPARE(box.Text(), QString::fromUtf8("first\nsecond caf\xc3\xa9"));
        }
    }
};

REGISTER_TEST(NotebookTest)
#include "notebook_test.moc"
