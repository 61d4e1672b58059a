// TForm4, the usage window, and TForm5, the version window.
#include "forms/info_windows.h"

#include <iterator>

#include "base/messages.h"
#include "base/encoding.h"

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
    "",
    "　１ｺﾋﾟｰ",
    "　　表示している全ての行を、表示の通りにコピーします。",
    "",
    "　２選択部分ｺﾋﾟｰ",
    "　　選択した行だけを、表示の通りにコピーします。",
    "",
    "　３ﾀﾌﾞ区切りｺﾋﾟｰ",
    "　　全ての行を、項目ごとにタブで区切ってコピーします。",
    "　　表計算ソフトに貼り付ける時に便利です。",
    "",
    "　４選択部分ﾀﾌﾞ区切りｺﾋﾟｰ",
    "　　選択した行だけを、項目ごとにタブで区切って",
    "　　コピーします。",
    "",
    "　行の選択は、クリック、Shift＋クリック（範囲）、",
    "　Ctrl＋クリック（追加・解除）でできます。",
    "　検索ボタンで見つかった行も選択されます。",
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

}  // namespace

const char* const* UsageLines(size_t* count) {
  *count = std::size(kUsageLines);
  return kUsageLines;
}

TForm4::TForm4(kit::Application& app)
    : kit::TForm(app, Design::Dialog("Form4", msg::kUsageCaption, 473, 294, 192, 107, false)) {
  for (size_t i = 0; i < std::size(kUsageLines); ++i) {
    if (i > 0) memo1_ += "\r\n";
    memo1_ += Utf8ToCp932Lossy(kUsageLines[i]);
  }
}

TForm5::TForm5(kit::Application& app)
    : kit::TForm(app, Design::Dialog("Form5", msg::kVersionCaption, 350, 210, 240, 180, true)),
      Label1(*this, "Label1", msg::kVersionName),
      Label2(*this, "Label2", msg::kVersionNumber),
      Label3(*this, "Label3", msg::kVersionDate) {}

}  // namespace tovir
