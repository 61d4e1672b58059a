// What the program sets on its controls reaches the backend: at creation, the whole starting state; later,
// every change.
#include <gtest/gtest.h>

#include <map>

#include "app/program.h"
#include "kit/headless/headless_application.h"
#include "kit/timer_scenario.h"

namespace tovir {
namespace {

// A backend that writes down what its label, menu item and timer peers are told.
class RecordingApplication final : public kit::HeadlessApplication {
 public:
  std::map<std::string, std::vector<std::string>> log;

  std::unique_ptr<kit::TextPeer> CreatePeer(kit::TLabel& label) override {
    log[Key(label)].push_back("created " + label.Caption());
    return std::make_unique<Text>(log[Key(label)]);
  }
  std::unique_ptr<kit::MenuItemPeer> CreatePeer(kit::TMenuItem& item) override {
    log[Key(item)].push_back(item.Checked() ? "created checked" : "created");
    return std::make_unique<Check>(log[Key(item)]);
  }
  std::unique_ptr<kit::TimerPeer> CreatePeer(kit::TTimer& timer) override {
    log[Key(timer)].push_back(timer.Enabled() ? "created enabled" : "created");
    return std::make_unique<Timer>(log[Key(timer)]);
  }
  using kit::HeadlessApplication::CreatePeer;

  static std::string Key(const kit::TComponent& c) { return c.Owner().Name() + "." + c.Name(); }

 private:
  struct Text final : kit::TextPeer {
    explicit Text(std::vector<std::string>& l) : log(l) {}
    void SetText(std::string_view text) override { log.push_back("text " + std::string(text)); }
    std::vector<std::string>& log;
  };
  struct Check final : kit::MenuItemPeer {
    explicit Check(std::vector<std::string>& l) : log(l) {}
    void SetChecked(bool checked) override { log.push_back(checked ? "checked" : "unchecked"); }
    std::vector<std::string>& log;
  };
  struct Timer final : kit::TimerPeer {
    explicit Timer(std::vector<std::string>& l) : log(l) {}
    void SetEnabled(bool enabled) override { log.push_back(enabled ? "enabled" : "disabled"); }
    std::vector<std::string>& log;
  };
};

TEST(Peers, StartingStateAndEveryChangeReachTheBackend) {
  RecordingApplication app;
  Program program(app, fs::NativeFileSystem(), {});
  app.ChooseMenuItem(program.Form1().hnasi);
  using Log = std::vector<std::string>;
  EXPECT_EQ(app.log["Form1.Label3"], Log{"created User\x96\xbc"});  // "User名": the design's caption
  EXPECT_EQ(app.log["Form1.Label12"], (Log{"created ", "text "}));  // emptied by the window's creation
  EXPECT_EQ(app.log["Form1.htuki"], (Log{"created checked", "unchecked"}));
  EXPECT_EQ(app.log["Form1.hnasi"], (Log{"created", "checked"}));
  EXPECT_EQ(app.log["Form2.Timer1"], (Log{"created", "enabled"}));  // switched on by the window's creation
}

// A timer whose handler destroys itself and another while the timers tick: what the handler still holds stays
// valid and the other is never ticked (the same scenario runs on the real windows).
TEST(Peers, ATimerDestroyedWhileTheTimersTickIsNeverTickedAgain) {
  kit::HeadlessApplication app;
  Program program(app, fs::NativeFileSystem(), {});
  kit::test::TimersDestroyedWhileTheyTick(program.Form1(), app);
}

}  // namespace
}  // namespace tovir
