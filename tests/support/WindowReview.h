#pragma once

#include "tests/gui/LayoutGeometry.h"
#include "tests/support/Screenshot.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::test {

/// Looks at a shown window as a reviewer would: no sibling widgets overlap or leave their frame,
/// every text fits its widget, and its picture is saved as `name` for the README and review.
inline void ExpectCleanWindow(QWidget& window, const std::string& name) {
    QApplication::processEvents();
    EXPECT_EQ(gui::test::LayoutProblems(window), std::vector<std::string>{}) << name;
    EXPECT_EQ(gui::test::TextProblems(window), std::vector<std::string>{}) << name;
    EXPECT_TRUE(SaveScreenshot(window, name)) << name;
}

} // namespace vex::test
