// Every text the program shows, as CP932 bytes (the UTF-8 form stands in the comment beside each).
#pragma once

#include <string_view>

namespace tovir::msg {

// Pelmark  TOVIR  (taskbar text)
inline constexpr std::string_view kAppTitle = "Pelmark  TOVIR";
// TOVIR
inline constexpr std::string_view kMainCaption = "TOVIR";
// Mcadamﾌｫﾙﾀﾞｰをドロップしてください！  (a folder that is not a drawing-data folder)
inline constexpr std::string_view kMsgDropMcadam =
    "Mcadam\xcc\xab\xd9\xc0\xde\xb0\x82\xf0\x83h\x83\x8d\x83"
    "b\x83v\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81I";
// MC Ver3ではありません！  (a group without a listable index directory)
inline constexpr std::string_view kMsgNotVer3 =
    "MC Ver3\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I";
// インデックスファイルを読めません：MCSATO ほか2件  (index files passed over in a group load: the first one's
// name, then how many more; said without a beep, since the rest of the group is shown)
inline constexpr std::string_view kMsgIndexUnreadable =
    "\x83\x43\x83\x93\x83\x66\x83\x62\x83\x4e\x83\x58\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x93\xc7"
    "\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x46";
inline constexpr std::string_view kMsgAndOthersBefore = " \x82\xd9\x82\xa9";
inline constexpr std::string_view kMsgAndOthersAfter = "\x8c\x8f";
// 一覧を最後まで読めません：GRP1\V3idxft  (a directory whose listing broke off part-way: its path follows;
// said with a beep, since what it held is missing)
inline constexpr std::string_view kMsgListingCut =
    "\x88\xea\x97\x97\x82\xf0\x8d\xc5\x8c\xe3\x82\xdc\x82\xc5\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81"
    "\x46";
// グループを読めません：GRP2 ほか1件  (subdirectories of a drawing-data folder that could not be opened for
// want of file descriptors or memory, or by a failing medium: the first one's name, then how many more)
inline constexpr std::string_view kMsgGroupsUnreadable =
    "\x83\x4f\x83\x8b\x81\x5b\x83\x76\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x46";
// 図面ファイルを読めません：SATO\Mc000001.1@@ ほか3件  (drawing files the medium or the machine kept from
// being read, in the full display or the row detail: their rows lack what they hold)
inline constexpr std::string_view kMsgDrawingsUnreadable =
    "\x90\x7d\x96\xca\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81"
    "\x46";
// フォルダーを読めません：A:\MCADAM  (a drawing-data folder that exists but could not be listed: the medium
// failed, or file descriptors or memory ran out)
inline constexpr std::string_view kMsgFolderUnreadable =
    "\x83\x74\x83\x48\x83\x8b\x83\x5f\x81\x5b\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x46";
// メモリが足りません！  (a group load that ran out of memory and shows nothing)
inline constexpr std::string_view kMsgOutOfMemory =
    "\x83\x81\x83\x82\x83\x8a\x82\xaa\x91\xab\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I";
// クリップボードが使えません！  (a copy whose text could not be placed: another program held the clipboard)
inline constexpr std::string_view kMsgClipboardBusy =
    "\x83\x4e\x83\x8a\x83\x62\x83\x76\x83\x7b\x81\x5b\x83\x68\x82\xaa\x8e\x67\x82\xa6\x82\xdc\x82\xb9\x82\xf1"
    "\x81\x49";
// 見つかりません！  (a search that found nothing)
inline constexpr std::string_view kMsgNotFound =
    "\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I";
// 図面が多すぎるため、読めた分だけ表示します！  (a group with more drawings than memory holds; those that fit
// show)
inline constexpr std::string_view kMsgTooManyDrawings =
    "\x90}\x96\xca\x82\xaa\x91\xbd\x82\xb7\x82\xac\x82\xe9\x82\xbd\x82\xdf\x81"
    "A\x93\xc7\x82\xdf\x82\xbd\x95\xaa\x82\xbe\x82\xaf\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81I";
// User名  (Label3: column caption and tab heading field)
inline constexpr std::string_view kLabelUser = "User\x96\xbc";
// 図面名（PN,FN）  (Label4)
inline constexpr std::string_view kLabelDrawing = "\x90}\x96\xca\x96\xbc\x81iPN,FN\x81j";
// 更新日時  (Label6)
inline constexpr std::string_view kLabelUpdated = "\x8dX\x90V\x93\xfa\x8e\x9e";
// 注記  (Label7)
inline constexpr std::string_view kLabelNote = "\x92\x8d\x8bL";
// ﾌｫﾙﾀﾞｰ  (the catalog's first column: the drawing-data folder's path below the archive's root)
inline constexpr std::string_view kHeadingFolder = "\xcc\xab\xd9\xc0\xde\xb0";
// Group名  (first field of every copy heading)
inline constexpr std::string_view kHeadingGroup = "Group\x96\xbc";
// 更新日  (tab heading field 4)
inline constexpr std::string_view kHeadingDate = "\x8dX\x90V\x93\xfa";
// 更新時刻  (tab heading field 5)
inline constexpr std::string_view kHeadingTime = "\x8dX\x90V\x8e\x9e\x8d\x8f";
// Drive  (Label8)
inline constexpr std::string_view kLabelDrive = "Drive";
// Group  (Label1)
inline constexpr std::string_view kLabelGroup = "Group";
// User  (Label2)
inline constexpr std::string_view kLabelUsers = "User";
// 検索  (Label11)
inline constexpr std::string_view kLabelSearch = "\x8c\x9f\x8d\xf5";
// File  (Label5)
inline constexpr std::string_view kLabelFile = "File";
// Search  (BitBtn1)
inline constexpr std::string_view kButtonSearch = "Search";
// 表示指定  (RadioGroup1)
inline constexpr std::string_view kRadioCaption = "\x95\x5c\x8e\xa6\x8ew\x92\xe8";
// User/PN,FN  (RadioGroup1 item 0)
inline constexpr std::string_view kRadioShort = "User/PN,FN";
// ALL  (RadioGroup1 item 1)
inline constexpr std::string_view kRadioAll = "ALL";
// ﾌｧｲﾙ(&F)  (File1)
inline constexpr std::string_view kMenuFile = "\xcc\xa7\xb2\xd9(&F)";
// 終了(&X)  (Exit1)
inline constexpr std::string_view kMenuExit = "\x8fI\x97\xb9(&X)";
// 編集(&E)  (Edit5)
inline constexpr std::string_view kMenuEdit = "\x95\xd2\x8fW(&E)";
// ｺﾋﾟｰ(&C)  (Copy1)
inline constexpr std::string_view kMenuCopy1 = "\xba\xcb\xdf\xb0(&C)";
// 選択部分ｺﾋﾟｰ  (Copy2, p2)
inline constexpr std::string_view kMenuCopy2 = "\x91I\x91\xf0\x95\x94\x95\xaa\xba\xcb\xdf\xb0";
// ﾀﾌﾞ区切りｺﾋﾟｰ  (Copy3, p3)
inline constexpr std::string_view kMenuCopy3 = "\xc0\xcc\xde\x8b\xe6\x90\xd8\x82\xe8\xba\xcb\xdf\xb0";
// 選択部分ﾀﾌﾞ区切りｺﾋﾟｰ  (Copy4, p4)
inline constexpr std::string_view kMenuCopy4 =
    "\x91I\x91\xf0\x95\x94\x95\xaa\xc0\xcc\xde\x8b\xe6\x90\xd8\x82\xe8\xba\xcb\xdf\xb0";
// ｵﾌﾟｼｮﾝ  (N1)
inline constexpr std::string_view kMenuOptions = "\xb5\xcc\xdf\xbc\xae\xdd";
// 表題ﾂｷでｺﾋﾟｰ  (htuki)
inline constexpr std::string_view kMenuHeadingOn = "\x95\x5c\x91\xe8\xc2\xb7\x82\xc5\xba\xcb\xdf\xb0";
// 表題ﾅｼでｺﾋﾟｰ  (hnasi)
inline constexpr std::string_view kMenuHeadingOff = "\x95\x5c\x91\xe8\xc5\xbc\x82\xc5\xba\xcb\xdf\xb0";
// ﾍﾙﾌﾟ(&H)  (Help1)
inline constexpr std::string_view kMenuHelp = "\xcd\xd9\xcc\xdf(&H)";
// 使い方(&H)  (K1)
inline constexpr std::string_view kMenuUsage = "\x8eg\x82\xa2\x95\xfb(&H)";
// ﾊﾞｰｼﾞｮﾝ情報(&A)...  (About1)
inline constexpr std::string_view kMenuAbout = "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)...";
// ｺﾋﾟｰ  (p1)
inline constexpr std::string_view kPopupCopy1 = "\xba\xcb\xdf\xb0";
// ファイル情報（更新日時、注記）を読込中です！  (TForm2)
inline constexpr std::string_view kProgressCaption =
    "\x83t\x83@\x83"
    "C\x83\x8b\x8f\xee\x95\xf1\x81i\x8dX\x90V\x93\xfa\x8e\x9e\x81"
    "A\x92\x8d\x8bL\x81j\x82\xf0\x93\xc7\x8d\x9e\x92\x86\x82\xc5\x82\xb7\x81I";
// キャンセル  (TForm2 BitBtn1)
inline constexpr std::string_view kCancel = "\x83L\x83\x83\x83\x93\x83Z\x83\x8b";
// 使い方  (TForm4)
inline constexpr std::string_view kUsageCaption = "\x8eg\x82\xa2\x95\xfb";
// バージョン情報  (TForm5)
inline constexpr std::string_view kVersionCaption = "\x83o\x81[\x83W\x83\x87\x83\x93\x8f\xee\x95\xf1";
// TOVIR  (TForm5 Label1)
inline constexpr std::string_view kVersionName = "TOVIR";
// Version 1.30  (TForm5 Label2)
inline constexpr std::string_view kVersionNumber = "Version 1.30";
// 2002.04.21  (TForm5 Label3)
inline constexpr std::string_view kVersionDate = "2002.04.21";
// Ok  (TForm5 BitBtn1)
inline constexpr std::string_view kVersionOk = "Ok";

// ＭＳ ゴシック  (the fixed-pitch font the drawing list's columns rely on)
inline constexpr std::string_view kFontGothic =
    "\x82l\x82r \x83S\x83V\x83"
    "b\x83N";
// ＭＳ Ｐゴシック  (the windows' proportional font)
inline constexpr std::string_view kFontPGothic =
    "\x82l\x82r \x82o\x83S\x83V\x83"
    "b\x83N";

}  // namespace tovir::msg
