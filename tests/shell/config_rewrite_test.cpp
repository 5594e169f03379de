// Replacing the configuration file as a whole: the new content arrives complete, and a failure
// leaves the old file as it was.
#include "platform/durable_file.h"
#include "platform/runtime_error.h"
#include "shell/config_rewrite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

bool saves(const QString& path, const QByteArray& content)
{
    try {
        replaceConfigFile(path, content);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

}  // namespace

class ConfigRewriteTest : public QObject {
    Q_OBJECT
private slots:
    void newContentReplacesTheFileWhateverWasLeftBesideIt()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath("BrokerConfig.MS");
        writeFile(config, QByteArray(3 * 940, 'o'));
        writeFile(config + ".new.Ab12Cd", QByteArray(9000, 'j'));  // left by an interrupted rewrite

        const QByteArray content = QByteArray(940, 'n') + QByteArray(939, 'e');
        QStringList steps;
        durable_file::logStepsTo(&steps);
        replaceConfigFile(config, content);
        durable_file::logStepsTo(nullptr);
        QCOMPARE(readFile(config), content);
        QCOMPARE(temporaryFilesOf(config), QStringList());
        // On disk under a temporary name of its own before the rename, and the rename on disk after it.
        QCOMPARE(steps.size(), 4);
        const QString temp = steps[0].mid(6);
        QVERIFY2(steps[0].startsWith("write " + config + ".new.") && temp != config + ".new.Ab12Cd", qPrintable(temp));
        QCOMPARE(steps.mid(1), QStringList({"sync " + temp, "rename " + config, "sync folder " + dir.path()}));

        // A sync that fails fails the rewrite before the rename.
        steps.clear();
        durable_file::logStepsTo(&steps);
        durable_file::failAtStep(2);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, replaceConfigFile(config, "new"));
        durable_file::failAtStep(0);
        durable_file::logStepsTo(nullptr);
        QCOMPARE(steps.size(), 2);
        QCOMPARE(readFile(config), content);
        QCOMPARE(temporaryFilesOf(config), QStringList());

        // A folder sync that fails is reported, and the new file stays.
        durable_file::failAtStep(4);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, replaceConfigFile(config, "new"));
        durable_file::failAtStep(0);
        QCOMPARE(readFile(config), QByteArray("new"));
    }

    // Nothing found at a temporary name is opened: neither what the rewrites of old shared by both
    // editions nor what a killed save of this file left. This file's leftovers are removed; the
    // other edition's save in progress is left alone.
    void nothingLeftBesideTheFileIsWrittenThrough_data()
    {
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<QString>("kind");
        for (const QString kind : {"link", "pipe"})
            QTest::addRow("%s at the shared name of old", qPrintable(kind)) << "NewConfig" << kind;
        for (const QString kind : {"link", "pipe", "file"})
            QTest::addRow("%s left by a killed save", qPrintable(kind)) << "BrokerConfig.MS.new.Ab12Cd" << kind;
    }
    void nothingLeftBesideTheFileIsWrittenThrough()
    {
        QFETCH(QString, leftover);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString config = dir.filePath("BrokerConfig.MS"), victim = dir.filePath("victim");
        const QString others = dir.filePath("LicenseConfig.MS.new.Qw34Er");
        writeFile(config, "old");
        writeFile(victim, "victim");
        writeFile(others, "other edition");
        const QString at = dir.filePath(leftover);
        if (kind == "link")
            QVERIFY(QFile::link(victim, at));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        else
            writeFile(at, "left");

        replaceConfigFile(config, "new");
        QVERIFY(QFileInfo(config).isFile() && !QFileInfo(config).isSymLink());
        QCOMPARE(readFile(config), QByteArray("new"));
        QCOMPARE(readFile(victim), QByteArray("victim"));
        QCOMPARE(readFile(others), QByteArray("other edition"));
        QCOMPARE(temporaryFilesOf(config), QStringList());
    }

    // Both editions' programs share one folder: whichever step of one's save the other's save
    // runs at, both are saved, each file holding its own new bytes.
    void savesOfTheTwoEditionsInterleaved_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        QTest::newRow("Praxelle saves within Vestora's save") << "BrokerConfig.MS" << "LicenseConfig.MS";
        QTest::newRow("Vestora saves within Praxelle's save") << "LicenseConfig.MS" << "BrokerConfig.MS";
    }
    void savesOfTheTwoEditionsInterleaved()
    {
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        for (int at = 1;; ++at) {
            QTemporaryDir dir;
            writeFile(dir.filePath(outer), "outer old");
            writeFile(dir.filePath(inner), "inner old");
            int steps = 0;
            bool innerSaved = false;
            durable_file::runBeforeEachStep([&] {
                if (++steps == at)
                    innerSaved = saves(dir.filePath(inner), "inner new");
            });
            const bool outerSaved = saves(dir.filePath(outer), "outer new");
            durable_file::runBeforeEachStep(nullptr);
            if (steps < at)
                break;  // the other save has run before every step of this one
            QCOMPARE(readFile(dir.filePath(inner)), QByteArray("inner new"));
            QCOMPARE(readFile(dir.filePath(outer)), QByteArray("outer new"));
            QVERIFY2(outerSaved && innerSaved, qPrintable(QStringLiteral("at step %1").arg(at)));
        }
    }

    // A link in the file's place stays a link, and the file it leads to gets the new content.
    void savesThroughALink_data()
    {
        QTest::addColumn<QString>("link");    // what BrokerConfig.MS leads to
        QTest::addColumn<QString>("second");  // what kept/step leads to; empty: no such link
        QTest::addColumn<bool>("exists");     // kept/real.MS exists before the save
        QTest::newRow("to a file in another folder") << "kept/real.MS" << QString() << true;
        QTest::newRow("through a second link") << "kept/step" << "real.MS" << true;
        QTest::newRow("to a file not made yet") << "kept/real.MS" << QString() << false;
    }
    void savesThroughALink()
    {
        QFETCH(QString, link);
        QFETCH(QString, second);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("kept"));
        const QString config = dir.filePath("BrokerConfig.MS"), real = dir.filePath("kept/real.MS");
        QVERIFY(QFile::link(link, config));
        if (!second.isEmpty())
            QVERIFY(QFile::link(second, dir.filePath("kept/step")));
        if (exists)
            writeFile(real, "old");

        replaceConfigFile(config, "new");
        QCOMPARE(QFileInfo(config).symLinkTarget(), QFileInfo(dir.filePath(link)).absoluteFilePath());
        QCOMPARE(readFile(real), QByteArray("new"));
        QCOMPARE(temporaryFilesOf(real), QStringList());
        QCOMPARE(temporaryFilesOf(config), QStringList());
    }

    void aFailedRenameLeavesTheOldFile()
    {
        QTemporaryDir dir;
        // A folder that is not empty cannot be renamed over.
        const QString config = dir.filePath("LicenseConfig.MS");
        QVERIFY(QDir(dir.path()).mkpath("LicenseConfig.MS"));
        writeFile(config + "/kept", "old");
        try {
            replaceConfigFile(config, QByteArray(940, 'n'));
            QFAIL("a failed rename must be reported");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.Number, RuntimeErrorNo::FileAccess);
        }
        QCOMPARE(readFile(config + "/kept"), QByteArray("old"));
        QCOMPARE(temporaryFilesOf(config), QStringList());
    }
};

REGISTER_TEST(ConfigRewriteTest)
#include "config_rewrite_test.moc"
