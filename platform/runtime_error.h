// A run-time error as the program's handlers see it: a number and a description.
// Thrown where an operation cannot go on; start-up turns it into its fatal message.
#pragma once

#include <QString>
#include <stdexcept>

struct RuntimeError : std::runtime_error {
    RuntimeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), Number(number), Description(description) {}
    int Number;
    QString Description;
};

// The numbers the program raises itself.
namespace RuntimeErrorNo {
inline constexpr int InvalidCall = 5;          // malformed input that cannot be taken apart
inline constexpr int SubscriptOutOfRange = 9;  // more entries than an array holds
inline constexpr int FileAccess = 75;          // a file that cannot be opened, read or written
inline constexpr int PrinterError = 482;
}
