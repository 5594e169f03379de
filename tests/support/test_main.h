// Test classes register themselves here so that each test program runs all of its classes.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace testing {
using Factory = std::function<std::unique_ptr<QObject>()>;
void registerTest(Factory factory);

template <class T>
struct Registration {
    Registration() { registerTest([] { return std::make_unique<T>(); }); }
};
}  // namespace testing

// Put after a test class in its source file.
#define REGISTER_TEST(Class) static testing::Registration<Class> registration_##Class;
