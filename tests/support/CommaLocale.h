#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace vex::test {

/// Runs a test with the process in a comma-decimal locale (as a German user's desktop sets it), so
/// anything that reads or writes numbers through the locale shows up; skips when the machine has
/// no such locale. The locale the test found is put back afterwards.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                savedGlobal_ = std::locale::global(std::locale(name));
                return;
            }
        }
        GTEST_SKIP() << "no comma-decimal locale on this machine";
    }
    void TearDown() override {
        std::locale::global(savedGlobal_);
        std::setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
    std::locale savedGlobal_;
};

} // namespace vex::test
