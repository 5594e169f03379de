#include "tests/support/app_fixture.h"

#include "content/course.h"
#include "tests/support/test_files.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

AppFixture::AppFixture(const Edition& edition) : state(edition, platform, dir.path()) {}

// Windows closed during the test are deleted once events run; let that happen now. A box the
// test did not script an answer for is one it did not expect: that fails the test.
AppFixture::~AppFixture()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!prompter.unexpected.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable("a box no answer was scripted for: " + prompter.unexpected.join(" | ")), __FILE__,
                     __LINE__);
}

QByteArray AppFixture::courseData(const Edition& edition, const QList<int>& topicItems, const QList<int>& examItems)
{
    Course course;
    for (int t = 1; t <= edition.ReadingTextCount; ++t)
        course.ReadingTexts << QStringLiteral("# Reading %1\n\nThe text of reading %1.").arg(t);
    for (int g = 1; g <= GlossaryEntryCount; ++g) {
        const QChar letter('A' + (g - 1) * 26 / GlossaryEntryCount);
        course.Glossary << GlossaryTerm{QStringLiteral("%1 term %2").arg(letter).arg(g, 4, 10, QChar('0')),
                                        QStringLiteral("Meaning of term %1.").arg(g)};
    }
    const auto items = [](const QString& group, int count) {
        QList<CourseItem> list;
        for (int k = 1; k <= count; ++k)
            list << CourseItem{QStringLiteral("%1 question %2?").arg(group).arg(k),
                               {"Choice alpha", "Choice bravo", "Choice charlie", "Choice delta"},
                               QChar('A' + (k - 1) % 4), QStringLiteral("%1 explanation %2.").arg(group).arg(k), {}};
        return list;
    };
    for (int t = 1; t <= edition.TopicCount; ++t)
        course.TopicItems << items(QStringLiteral("Topic %1").arg(t), topicItems.value(t - 1, 5));
    for (int e = 1; e <= edition.PreparedExamCount; ++e)
        course.ExamItems << items(QStringLiteral("Exam %1").arg(e), examItems.value(e - 1, 5));
    for (int p = 1; p <= HelpPageCount; ++p)
        course.HelpPages << QStringLiteral("# Help page %1\n\nHow this window works.").arg(p);
    return buildEditionData(course, edition);
}

void AppFixture::loadCourse(const QList<int>& topicItems, const QList<int>& examItems)
{
    writeFile(state.path(state.edition.EditionWord), courseData(state.edition, topicItems, examItems));
    state.text = loadEditionData(state.folder, state.edition);
}
