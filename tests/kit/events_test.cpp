// Events as the kit runs them: a handler that destroys timers while the timers tick, held input that throws,
// and keys routed by their whole chord.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "app/program.h"
#include "kit/headless/headless_application.h"
#include "kit/input.h"
#include "kit/timer_scenario.h"
#include "support/scenario.h"

namespace tovir::kit {
namespace {

TEST(Events, ATimerDestroyedWhileTheTimersTickIsNeverTickedAgain) {
  HeadlessApplication app;
  Program program(app, fs::NativeFileSystem(), {});
  test::TimersDestroyedWhileTheyTick(program.Form1(), app);
}

TEST(Events, HeldInputThatThrowsRunsAgainAtTheNextMoment) {
  HeldInput held;
  int runs = 0;
  held.Set([&] {
    ++runs;
    if (runs == 1) throw std::runtime_error("the first input failed");
  });
  EXPECT_THROW(held.Run(), std::runtime_error);
  held.Run();
  EXPECT_EQ(runs, 2);
}

TEST(Events, OnlyTheExactChordOfAShortcutRunsIt) {
  tovir::test::TempFolder folder;
  tovir::test::WriteIndexFile(folder, "G", "MCSATO", tovir::test::Numbered(2));
  struct Case {
    const char* key;
    bool copies;
  } cases[] = {{"ctrl+c", true}, {"Ctrl+C", true},  {"ctrl+shift+c", false}, {"ctrl+alt+c", false},
               {"c", false},     {"ctrl+x", false}, {"esc", false}};
  for (const Case& c : cases) {
    HeadlessApplication app;
    Program program(app, fs::NativeFileSystem(), {folder.path()});
    app.Focus(program.Form1().Edit10);
    app.PressKey(*Key::Parse(c.key));
    EXPECT_EQ(app.Clipboard().has_value(), c.copies) << c.key;
  }
}

TEST(Events, KeysReadAndWriteAsTheirText) {
  struct Case {
    const char* text;
    const char* canonical;  // nullptr: not a key
  } cases[] = {{"ctrl+c", "Ctrl+C"},
               {"CTRL+SHIFT+z", "Ctrl+Shift+Z"},
               {"alt+ctrl+a", "Ctrl+Alt+A"},
               {"esc", "Esc"},
               {"F1", "F1"},
               {"ctrl+", nullptr},
               {"ctrl+ctrl+c", nullptr},
               {"ctrl+7", nullptr},
               {"hyper+c", nullptr},
               {"", nullptr}};
  for (const Case& c : cases) {
    auto key = Key::Parse(c.text);
    EXPECT_EQ(key.has_value(), c.canonical != nullptr) << c.text;
    if (key && c.canonical) {
      EXPECT_EQ(key->Text(), c.canonical) << c.text;
    }
  }
}

}  // namespace
}  // namespace tovir::kit
