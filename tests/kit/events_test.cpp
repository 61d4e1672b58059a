// Events as the kit runs them: a handler that destroys timers while the timers tick, held input that throws,
// and keys routed by their whole chord.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "app/program.h"
#include "kit/headless/headless_application.h"
#include "kit/input.h"
#include "support/scenario.h"

namespace tovir::kit {
namespace {

TEST(Events, ATimerDestroyedWhileTheTimersTickIsNeverTickedAgain) {
  HeadlessApplication app;
  Program program(app, fs::NativeFileSystem(), {});
  TForm& owner = program.Form1();
  auto first = std::make_unique<TTimer>(owner, "First", 100);
  auto second = std::make_unique<TTimer>(owner, "Second", 100);
  int secondTicks = 0;
  int firstTicks = 0;
  // The first timer destroys itself and the second; what its handler still holds must stay valid.
  first->OnTimer = [&, held = std::make_shared<int>(1)] {
    first.reset();
    second.reset();
    firstTicks += *held;
  };
  second->OnTimer = [&] { ++secondTicks; };
  first->SetEnabled(true);
  second->SetEnabled(true);
  app.Tick(2);
  EXPECT_EQ(firstTicks, 1);
  EXPECT_EQ(secondTicks, 0);
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
  test::TempFolder folder;
  test::WriteIndexFile(folder, "G", "MCSATO", test::Numbered(2));
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
