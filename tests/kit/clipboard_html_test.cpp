// The "HTML Format" table of the tab-separated copies: what a spreadsheet reads from it.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "kit/clipboard_html.h"
#include "kit/pictures.h"

namespace tovir::kit {
namespace {

size_t Header(const std::string& html, const std::string& name) {
  size_t at = html.find(name + ":");
  EXPECT_NE(at, std::string::npos) << name;
  return std::stoul(html.substr(at + name.size() + 1, 10));
}

// The cells' texts as a paste gets them: entities decoded, &nbsp; as a blank.
std::vector<std::vector<std::string>> Cells(const std::string& html) {
  std::vector<std::vector<std::string>> rows;
  static const std::regex kRow("<tr>(.*?)</tr>");
  static const std::regex kCell("<td sdnum=\"1041;0;@\" style='mso-number-format:\"\\\\@\"'>(.*?)</td>");
  for (auto r = std::sregex_iterator(html.begin(), html.end(), kRow); r != std::sregex_iterator(); ++r) {
    std::string row = (*r)[1];
    rows.emplace_back();
    for (auto c = std::sregex_iterator(row.begin(), row.end(), kCell); c != std::sregex_iterator(); ++c) {
      std::string text = (*c)[1];
      for (auto [entity, plain] :
           {std::pair{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
        for (size_t at; (at = text.find(entity)) != std::string::npos;)
          text.replace(at, strlen(entity), plain);
      }
      rows.back().push_back(text);
    }
  }
  return rows;
}

TEST(ClipboardHtmlTest, EveryCellKeepsItsTextExactly) {
  struct Case {
    const char* name;
    std::string cp932;
    std::vector<std::vector<std::string>> cells;  // UTF-8
  };
  const std::string gear = *Utf8ToCp932("歯車 ＡＢ");
  const Case cases[] = {
      {"numbers, dates and formulas stay text",
       "01\t000123\t1-2\t=A1\t02/04/21\r\n",
       {{"01", "000123", "1-2", "=A1", "02/04/21"}}},
      {"blanks at the ends and in runs survive", " a\tb  c\td \t   \r\n", {{" a", "b  c", "d ", "   "}}},
      {"markup characters are escaped", "x<y&z>\"q\"\r\n", {{"x<y&z>\"q\""}}},
      {"empty fields keep their columns", "G\tu\t\t\t\t\r\n", {{"G", "u", "", "", "", ""}}},
      {"Japanese as UTF-8", gear + "\r\n", {{"歯車 ＡＢ"}}},
      {"one row per line", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
  };
  for (const Case& c : cases) {
    std::string html = ClipboardHtml(c.cp932);
    EXPECT_EQ(Cells(html), c.cells) << c.name;
    EXPECT_NE(html.find("<table x:str"), std::string::npos) << c.name;
  }
}

TEST(ClipboardHtmlTest, HeaderOffsetsAreBytesIntoThePayload) {
  // Past 64 KiB too, where a reader that ignores EndHTML would stop.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += *Utf8ToCp932("GRP1\tSATO\t歯車-1234,01\t02/04/21\t13:05\tメモ\r\n");
  std::string html = ClipboardHtml(text);
  ASSERT_GT(html.size(), 65536u);
  size_t startHtml = Header(html, "StartHTML");
  size_t endHtml = Header(html, "EndHTML");
  size_t startFragment = Header(html, "StartFragment");
  size_t endFragment = Header(html, "EndFragment");
  EXPECT_EQ(html.compare(startHtml, 5, "<html"), 0);
  EXPECT_EQ(endHtml, html.size());
  EXPECT_EQ(html.compare(startFragment, 12, "<table x:str"), 0);
  EXPECT_EQ(html.compare(endFragment, 18, "<!--EndFragment-->"), 0);
  EXPECT_EQ(html.find("charset="), html.find("charset=utf-8"));
  EXPECT_EQ(Cells(html).size(), 3000u);
}

TEST(PicturesTest, TwelveOpaqueFramesEachOneLampFurther) {
  auto red = [](const Picture& p) {
    int n = 0;
    for (uint8_t px : p.pixels) n += px == 9 ? 1 : 0;
    return n;
  };
  int previous = red(DrawPicture(1));
  EXPECT_GT(previous, 0);
  for (int frame = 2; frame <= 12; ++frame) {
    Picture p = DrawPicture(frame);
    for (uint8_t px : p.pixels) ASSERT_LT(px, 16) << frame;
    EXPECT_GT(red(p), previous) << frame;
    previous = red(p);
  }
  EXPECT_NE(DrawPicture(0).pixels, DrawPicture(1).pixels);
}

}  // namespace
}  // namespace tovir::kit
