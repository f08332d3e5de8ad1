#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace vex::test {

/// While it lives, the process runs in a comma-decimal locale (as a German user's desktop sets it),
/// when the machine has one; the locale it found is put back afterwards.
class CommaLocaleScope {
public:
    CommaLocaleScope() {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                savedGlobal_ = std::locale::global(std::locale(name));
                active_ = true;
                return;
            }
        }
    }
    ~CommaLocaleScope() {
        if (active_) std::locale::global(savedGlobal_);
        std::setlocale(LC_ALL, saved_.c_str());
    }
    CommaLocaleScope(const CommaLocaleScope&) = delete;
    CommaLocaleScope& operator=(const CommaLocaleScope&) = delete;

    /// False when the machine has no comma-decimal locale (the test should skip).
    bool IsActive() const { return active_; }

private:
    std::string saved_;
    std::locale savedGlobal_;
    bool active_ = false;
};

/// Runs a test with the process in a comma-decimal locale, so anything that reads or writes numbers
/// through the locale shows up; skips when the machine has no such locale.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (!locale_.IsActive()) GTEST_SKIP() << "no comma-decimal locale on this machine";
    }

private:
    CommaLocaleScope locale_;
};

} // namespace vex::test
