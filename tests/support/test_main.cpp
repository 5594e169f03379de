#include "tests/support/test_main.h"

#include "platform/alt_keys.h"

#include <QApplication>
#include <QTest>

namespace testing {
static std::vector<Factory>& factories()
{
    static std::vector<Factory> all;
    return all;
}
void registerTest(Factory factory) { factories().push_back(std::move(factory)); }
}  // namespace testing

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    keepAltKeysFromTyping(app);  // as the programs do
    int failed = 0, ran = 0;
    // TEST_CLASS=Name runs that class alone.
    const QByteArray only = qgetenv("TEST_CLASS");
    for (const auto& make : testing::factories()) {
        auto test = make();
        if (!only.isEmpty() && only != test->metaObject()->className())
            continue;
        failed += QTest::qExec(test.get(), argc, argv);
        ++ran;
    }
    // A name that matches no class must not pass as an empty run.
    if (ran == 0) {
        qWarning("No test class named %s", only.constData());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
