#pragma once

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace framework {

// The runtime's exceptions. A routine that meets one stops there and lets it travel up
// to whoever called it; the framework catches it where it called the program back.
class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* kind() const noexcept { return "RuntimeException"; }
};

// A required object (window, control, menu item, application) is missing.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& what) : RuntimeException(what) {}
    const char* kind() const noexcept override { return "NilObjectException"; }
};

// An array index outside the array's bounds.
class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& what) : RuntimeException(what) {}
    const char* kind() const noexcept override { return "OutOfBoundsException"; }
};

// The framework's report of an exception that nothing caught: a line on stderr. The
// program keeps running.
void UnhandledException(const std::exception& error) noexcept;

// How many exceptions have been reported since start (tests watch it).
long unhandledExceptionCount() noexcept;

// Calls back into the program under exception handling: an exception ends the call, is
// reported, and never reaches the platform's event loop. Returns false after a failure.
bool callGuarded(const std::function<void()>& call) noexcept;

} // namespace framework
