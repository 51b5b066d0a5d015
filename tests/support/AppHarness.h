#pragma once

// The real program on Qt's offscreen platform: App, MenuBar1 and mainWindow started as
// the program starts them, without the event loop. Rnd is scripted where a test needs it.

#include "app/App.h"
#include "ui/mainWindow.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;

namespace testing_support {

// The Names of the twelve menu items that run an action of App: the ten categories in their
// order, "Random Categories" and the About item.
std::vector<std::string> handledMenuItems();

class AppTest : public ::testing::Test {
protected:
    // Starts the program once per process, without its event loop (app::StartOffscreen).
    static void SetUpTestSuite();

    // A fresh quiz: any window closed, the shared state cleared, a new window opened.
    void SetUp() override;
    void TearDown() override;

    static ui::mainWindowClass& window();
    static app::AppClass& application();

    // Chooses the menu item of that Name as the user does (its Qt action is triggered).
    static void choose(const std::string& itemName);
    // The Qt action of the window's menu bar with that Name, or null.
    static QAction* action(const std::string& itemName);

    // Rnd returns these values in turn, then repeats the last.
    static void scriptRnd(std::vector<double> values);

    // Every test starts with Rnd drawn from a generator seeded with this and a fixed clock
    // for the window's warm-up, so that a failure can be replayed: MERROWBY_SEED, or a
    // fixed seed. A failing test prints it.
    static std::uint64_t seed();

    // The addresses ShowURL opened.
    static std::vector<std::string>& openedURLs();
    // Whether the browser starts for the addresses ShowURL opens (it does, until a test says not).
    static void browserStarts(bool starts);

    // The window's content area as painted by Qt.
    static QImage render();

    // Paints the window into a recording Graphics and returns the calls.
    static std::vector<std::string> paintCalls();

    // Answers the question on screen: clicks radio button answer - 1, then "Okay".
    static void answer(framework::Integer answerNumber);
    static void answerRight();
};

} // namespace testing_support
