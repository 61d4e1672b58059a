// The usage text's line structure.
#include "forms/info_windows.h"

#include <gtest/gtest.h>

#include <set>

#include "kit/headless/headless_application.h"

namespace tovir {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (true) {
    size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
    if (end == std::string::npos) return lines;
    pos = end + 2;
  }
}

// Empty, or only blanks, single-byte or full-width.
bool Blank(const std::string& line) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
    } else if (line.compare(i, 2, "\x81\x40") == 0) {
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

TEST(UsageWindow, TextHasItsSixtyOneLinesWithBlanksExactlyBetweenTheParagraphs) {
  kit::HeadlessApplication app;
  TForm4 form(app);
  std::vector<std::string> lines = Lines(form.Memo1.Text());
  ASSERT_EQ(lines.size(), 61u);
  const std::set<size_t> blank = {2, 6, 11, 14, 15, 17, 21, 26, 29, 50, 53, 54, 55, 56, 58, 60, 61};
  for (size_t n = 1; n <= lines.size(); ++n)
    EXPECT_EQ(Blank(lines[n - 1]), blank.count(n) == 1) << "line " << n;
  // The four copy methods stand in order in step 3, lines 30 to 49.
  size_t at = 29;
  for (const char* method : {"\x82\x50\xba\xcb\xdf\xb0", "\x82\x51\x91I\x91\xf0", "\x82\x52\xc0\xcc\xde",
                             "\x82\x53\x91I\x91\xf0"}) {
    while (at < 49 && lines[at].find(method) == std::string::npos) ++at;
    EXPECT_LT(at, 49u) << method;
  }
  EXPECT_TRUE(form.Memo1.ReadOnly());
}

}  // namespace
}  // namespace tovir
