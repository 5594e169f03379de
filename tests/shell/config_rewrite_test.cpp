// Replacing the configuration file as a whole: the new content arrives complete, and a failure
// leaves the old file as it was.
#include "platform/durable_file.h"
#include "platform/runtime_error.h"
#include "shell/config_rewrite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
}  // namespace

class ConfigRewriteTest : public QObject {
    Q_OBJECT
private slots:
    void newContentReplacesTheFileWhateverNewConfigHeld()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath("BrokerConfig.MS");
        writeFile(config, QByteArray(3 * 940, 'o'));
        writeFile(dir.filePath("NewConfig"), QByteArray(9000, 'j'));  // left by an interrupted rewrite

        const QByteArray content = QByteArray(940, 'n') + QByteArray(939, 'e');
        QStringList steps;
        durable_file::logStepsTo(&steps);
        replaceConfigFile(config, content);
        durable_file::logStepsTo(nullptr);
        QCOMPARE(readFile(config), content);
        QVERIFY(!QFile::exists(dir.filePath("NewConfig")));
        // On disk under the temporary name before the rename, and the rename on disk after it.
        const QString temp = dir.filePath("NewConfig");
        QCOMPARE(steps,
                 QStringList({"write " + temp, "sync " + temp, "rename " + config, "sync folder " + dir.path()}));

        // A sync that fails fails the rewrite before the rename.
        steps.clear();
        durable_file::logStepsTo(&steps);
        durable_file::failAtStep(2);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, replaceConfigFile(config, "new"));
        durable_file::failAtStep(0);
        durable_file::logStepsTo(nullptr);
        QCOMPARE(steps, QStringList({"write " + temp, "sync " + temp}));
        QCOMPARE(readFile(config), content);
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
        QVERIFY(!QFile::exists(dir.filePath("NewConfig")));
    }
};

REGISTER_TEST(ConfigRewriteTest)
#include "config_rewrite_test.moc"
