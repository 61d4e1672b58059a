// TForm4, the usage window, and TForm5, the version window.
#include "forms/info_windows.h"

#include <iterator>

#include "base/encoding.h"
#include "base/messages.h"

namespace tovir {

namespace {

// The usage text, 61 lines; indentation is full-width blanks.
const char* const kUsageLines[] = {
    "概要",
    "",
    "　MICROCADAMの図面管理情報（グループ名、ユーザー名、図面名、",
    "　更新日時、注記）を表示し、表計算ソフトやワープロソフトへ",
    "　コピーすることができます。",
    "",
    "・対応するファイル形式",
    "　Ver3形式の図面データに対応しています。",
    "　DOS版、OS/2版（Ver2形式）の図面管理情報は、",
    "　姉妹ソフトＫＡＶＯＤをご利用ください。",
    "",
    "・主な用途",
    "　フロッピーディスクなどで保管している図面の管理に。",
    "",
    "",
    "使い方",
    "",
    "１　エクスプローラでMcadamフォルダーを探し、本ソフトへ",
    "　ドラッグ＆ドロップすると一覧を表示します。",
    "　（本ソフトのアイコンへドロップしても表示できます）",
    "",
    "　表示指定で「User/PN,FN」を選ぶとユーザー名と図面名だけを、",
    "　「ALL」を選ぶと更新日時と注記も表示します。",
    "　ユーザー名と図面名だけの表示では、行をクリックすると",
    "　その図面の更新日時と注記をステータスバーに表示します。",
    "",
    "２　グループが複数ある時は、最初のグループを表示します。",
    "　他のグループ名をクリックすると、そのグループを表示します。",
    "",
    "３　図面管理情報のコピー",
    "　編集メニューでコピーの方法を選びます。",
    "　１ｺﾋﾟｰ",
    "　　表示している全ての行を、表示の通りにコピーします。",
    "　２選択部分ｺﾋﾟｰ",
    "　　選択した行だけを、表示の通りにコピーします。",
    "　３ﾀﾌﾞ区切りｺﾋﾟｰ",
    "　　全ての行を、項目ごとにタブで区切ってコピーします。",
    "　　表計算ソフトに貼り付ける時に便利です。",
    "　４選択部分ﾀﾌﾞ区切りｺﾋﾟｰ",
    "　　選択した行だけを、項目ごとにタブで区切って",
    "　　コピーします。",
    "　行の選択は、クリック、Shift＋クリック（範囲）、",
    "　Ctrl＋クリック（追加・解除）でできます。",
    "　検索ボタンで見つかった行も選択されます。",
    "　コピーした内容は、表計算ソフトやワープロソフトの",
    "　貼り付けで取り込めます。",
    "　Ctrl＋Cキーは、どのウィンドウからでも、",
    "　表示している全ての行をコピーします。",
    "　（１ｺﾋﾟｰと同じです）",
    "",
    "※コピーに表題（見出し）を付けるかどうかは、",
    "　オプションメニューで選びます。",
    "",
    "",
    "",
    "",
    "ご質問は",
    "",
    "　Pelmark  TOVIR サポート係までお寄せください。",
    "",
    "",
};
static_assert(std::size(kUsageLines) == 61);

constexpr kit::Font kWindowFont{msg::kFontPGothic, -12, kit::kShiftJisCharset, kit::Pitch::kDefault};
constexpr kit::Font kMemoFont{msg::kFontGothic, -12, kit::kShiftJisCharset, kit::Pitch::kFixed};
constexpr kit::Font kNameFont{msg::kFontPGothic, -16, kit::kShiftJisCharset, kit::Pitch::kDefault};
constexpr kit::Font kLineFont{msg::kFontPGothic, -15, kit::kShiftJisCharset, kit::Pitch::kDefault};
constexpr kit::Font kButtonFont{msg::kFontPGothic, -13, kit::kShiftJisCharset, kit::Pitch::kDefault};
constexpr kit::Color kWhite = kit::Color::Rgb(0xFFFFFF);
constexpr kit::Color kBlack = kit::Color::Rgb(0x000000);

constexpr kit::ControlLayout kForm4Controls[] = {
    {.name = "Memo1",
     .left = 12,
     .top = 18,
     .width = 449,
     .height = 259,
     .font = &kMemoFont,
     .color = kWhite,
     .fontColor = kBlack,
     .readOnly = true,
     .tabStop = true,
     .tabOrder = 0,
     .border = true,
     .wordWrap = true},
};

constexpr kit::ControlLayout VersionLine(std::string_view name, int left, int top, int height,
                                         std::string_view caption, const kit::Font* font) {
  return {.name = name,
          .left = left,
          .top = top,
          .width = 209,
          .height = height,
          .caption = caption,
          .font = font,
          .color = kit::kBtnFace,
          .fontColor = kWhite,
          .alignment = kit::TextAlign::kCenter,
          .fixedSize = true};
}

constexpr kit::ControlLayout kForm5Controls[] = {
    VersionLine("Label1", 70, 20, 20, msg::kVersionName, &kNameFont),
    VersionLine("Label2", 71, 52, 15, msg::kVersionNumber, &kLineFont),
    VersionLine("Label3", 71, 76, 15, msg::kVersionDate, &kLineFont),
    {.name = "Image1", .left = 48, .top = 52, .width = 32, .height = 32},
    {.name = "BitBtn1",
     .left = 131,
     .top = 180,
     .width = 88,
     .height = 20,
     .caption = msg::kVersionOk,
     .font = &kButtonFont,
     .fontColor = kit::kWindowText,
     .tabStop = true,
     .tabOrder = 0},
};

std::string UsageText() {
  std::string text;
  for (size_t i = 0; i < std::size(kUsageLines); ++i) {
    if (i > 0) text += "\r\n";
    text += Utf8ToCp932Lossy(kUsageLines[i]);
  }
  return text;
}

}  // namespace

const kit::FormLayout& TForm4::Design() {
  static const kit::FormLayout layout{
      .name = "Form4",
      .caption = msg::kUsageCaption,
      .left = 192,
      .top = 107,
      .width = 473,
      .height = 294,
      .clientSize = true,
      .borderStyle = kit::BorderStyle::kDialog,
      .borderIcons = kit::kSystemMenu,
      .font = &kWindowFont,
      .color = kit::kBtnFace,
      .controls = kForm4Controls,
  };
  return layout;
}

TForm4::TForm4(kit::Application& app)
    : kit::TForm(app, Design(), false), Memo1(*this, "Memo1", UsageText()) {}

const kit::FormLayout& TForm5::Design() {
  static const kit::FormLayout layout{
      .name = "Form5",
      .caption = msg::kVersionCaption,
      .left = 240,
      .top = 180,
      .width = 350,
      .height = 210,
      .clientSize = true,
      .borderStyle = kit::BorderStyle::kDialog,
      .borderIcons = kit::kSystemMenu,
      .stayOnTop = true,
      .font = &kWindowFont,
      .color = kit::kBtnFace,
      .controls = kForm5Controls,
  };
  return layout;
}

TForm5::TForm5(kit::Application& app)
    : kit::TForm(app, Design(), false),
      Label1(*this, "Label1"),
      Label2(*this, "Label2"),
      Label3(*this, "Label3"),
      Image1(*this, "Image1", 0),
      BitBtn1(*this, "BitBtn1") {
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
}

}  // namespace tovir
