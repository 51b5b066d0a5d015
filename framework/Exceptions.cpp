#include "framework/Exceptions.h"

#include <atomic>
#include <cstdio>

namespace framework {

namespace {
std::atomic<long> reported{0};
}

void UnhandledException(const std::exception& error) noexcept
{
    const auto* runtime = dynamic_cast<const RuntimeException*>(&error);
    std::fprintf(stderr, "Merrowby: unhandled %s: %s\n", runtime ? runtime->kind() : "exception", error.what());
    ++reported;
}

long unhandledExceptionCount() noexcept
{
    return reported;
}

bool callGuarded(const std::function<void()>& call) noexcept
{
    try {
        call();
        return true;
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException(std::runtime_error("unknown exception"));
    }
    return false;
}

} // namespace framework
