// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_RUNNER_H
#define CORVANE_TEST_RUNNER_H

// Lets several Qt Test classes share one executable: each file registers
// its class, and main() runs them all against one settings folder.

#include <QObject>
#include <functional>
#include <vector>

using TestFactory = std::function<QObject *()>;

std::vector<TestFactory> &registeredTests();

struct TestRegistration {
    explicit TestRegistration(TestFactory factory)
    {
        registeredTests().push_back(std::move(factory));
    }
};

#define REGISTER_TEST_CLASS(Class) \
    static const TestRegistration registration##Class([] { return new Class; });

#endif
