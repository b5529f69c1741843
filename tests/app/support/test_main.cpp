// SPDX-License-Identifier: GPL-3.0-or-later

// Runs every registered test class. The settings store points at a
// temporary folder so no test ever touches the user's real settings.

#include "core/startup/app_settings.h"
#include "test_runner.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid())
        return 1;
    setSettingsFolderForTests(settingsFolder.path());
    int failures = 0;
    for (const TestFactory &factory : registeredTests()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
