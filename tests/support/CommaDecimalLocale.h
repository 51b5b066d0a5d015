#pragma once

// LC_NUMERIC switched to German, whose decimal mark is a comma, for as long as the object
// lives. The locale is compiled once per process with localedef into a temporary LOCPATH,
// so the test needs no locale generated on the machine, only the locale sources of
// Debian's "locales" package.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testing_support {

class CommaDecimalLocale {
public:
    CommaDecimalLocale()
    {
        const std::string& path = compiledLocales();
        if (path.empty())
            return;
        if (const char* before = std::getenv("LOCPATH"))
            previousPath_ = before;
        previousLocale_ = std::setlocale(LC_NUMERIC, nullptr);
        ::setenv("LOCPATH", path.c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, Name) != nullptr && std::string(std::localeconv()->decimal_point) == ",";
    }

    ~CommaDecimalLocale()
    {
        if (previousLocale_.empty())
            return;
        std::setlocale(LC_NUMERIC, previousLocale_.c_str());
        if (previousPath_)
            ::setenv("LOCPATH", previousPath_->c_str(), 1);
        else
            ::unsetenv("LOCPATH");
    }

    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    // False when the locale could not be built or chosen; the reason is in why().
    bool active() const { return active_; }
    static std::string why()
    {
        return "no comma-decimal locale: localedef -i de_DE -f UTF-8 failed (install Debian's "
               "\"locales\" package, as scripts/install-deps.sh does)";
    }

    static constexpr const char* Name = "de_DE.UTF-8";

private:
    static const std::string& compiledLocales()
    {
        static const std::string path = [] {
            std::string dir = (std::filesystem::temp_directory_path() / "merrowby-locale-XXXXXX").string();
            if (!::mkdtemp(dir.data()))
                return std::string();
            const std::string command = "localedef -c -i de_DE -f UTF-8 '" + dir + "/" + Name + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) == -1 || !std::filesystem::exists(dir + "/" + Name + "/LC_NUMERIC")) {
                std::filesystem::remove_all(dir);
                return std::string();
            }
            cleanup().dir = dir;
            return dir;
        }();
        return path;
    }

    // Removes the compiled locale when the process ends.
    struct Cleanup {
        std::string dir;
        ~Cleanup()
        {
            if (!dir.empty()) {
                std::error_code ignored;
                std::filesystem::remove_all(dir, ignored);
            }
        }
    };
    static Cleanup& cleanup()
    {
        static Cleanup instance;
        return instance;
    }

    bool active_ = false;
    std::string previousLocale_;
    std::optional<std::string> previousPath_;
};

} // namespace testing_support
