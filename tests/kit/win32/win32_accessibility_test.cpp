// The drawing list as a screen reader reads it: a data-less list box holds no texts, so every row's text must
// come from the list's own UI Automation elements.
#include <gtest/gtest.h>

#include <ole2.h>
#include <uiautomationcore.h>

#include <string>

#include "app/program.h"
#include "base/encoding.h"
#include "kit/win32/win32_application.h"
#include "support/scenario.h"

namespace tovir::kit::win32 {
namespace {

using test::Drawing;
using test::TempFolder;

// Releases a COM reference at the end of the scope.
template <class T>
struct Ref {
  T* p = nullptr;
  ~Ref() {
    if (p != nullptr) p->Release();
  }
  T* operator->() const { return p; }
};

std::u16string Property(IRawElementProviderSimple* element, PROPERTYID id) {
  VARIANT v;
  VariantInit(&v);
  EXPECT_EQ(element->GetPropertyValue(id, &v), S_OK);
  std::u16string text;
  if (v.vt == VT_BSTR) text.assign(reinterpret_cast<const char16_t*>(v.bstrVal), SysStringLen(v.bstrVal));
  if (v.vt == VT_I4) text = std::u16string(1, static_cast<char16_t>(v.lVal - 50000));
  VariantClear(&v);
  return text;
}

Ref<IRawElementProviderSimple> Simple(IRawElementProviderFragment* fragment) {
  Ref<IRawElementProviderSimple> simple;
  EXPECT_EQ(fragment->QueryInterface(IID_IRawElementProviderSimple, reinterpret_cast<void**>(&simple.p)),
            S_OK);
  return simple;
}

TEST(Win32AccessibilityTest, EveryRowOfTheDrawingListIsReadFromTheProgramsList) {
  TempFolder folder;
  std::vector<Drawing> drawings = test::Numbered(3);
  drawings[1].pn = test::Sjis("歯車");
  test::WriteIndexFile(folder, "GRP1", "MCSATO", drawings);
  Win32Application app;
  Program program(app, fs::NativeFileSystem(), {folder.path()});
  TListBox& list = program.Form1().ListBox13;
  ASSERT_EQ(list.Count(), 3u);

  Ref<IRawElementProviderSimple> root{app.AccessibleList(list)};
  ASSERT_NE(root.p, nullptr);
  EXPECT_EQ(Property(root.p, 30005), u"ListBox13");
  EXPECT_EQ(Property(root.p, 30003), std::u16string(1, 8));  // a list
  Ref<IRawElementProviderFragment> rootFragment;
  ASSERT_EQ(root->QueryInterface(IID_IRawElementProviderFragment, reinterpret_cast<void**>(&rootFragment.p)),
            S_OK);

  // Forward from the first row, then back from the last: each row's name is the row's text.
  std::vector<std::u16string> forward;
  Ref<IRawElementProviderFragment> row;
  ASSERT_EQ(rootFragment->Navigate(NavigateDirection_FirstChild, &row.p), S_OK);
  while (row.p != nullptr) {
    auto simple = Simple(row.p);
    forward.push_back(Property(simple.p, 30005));
    EXPECT_EQ(Property(simple.p, 30003), std::u16string(1, 7));  // a list item
    Ref<IRawElementProviderFragment> next;
    ASSERT_EQ(row->Navigate(NavigateDirection_NextSibling, &next.p), S_OK);
    std::swap(row.p, next.p);
  }
  ASSERT_EQ(forward.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(forward[i], Cp932ToUtf16(list[i])) << i;

  Ref<IRawElementProviderFragment> last;
  ASSERT_EQ(rootFragment->Navigate(NavigateDirection_LastChild, &last.p), S_OK);
  Ref<IRawElementProviderFragment> previous;
  ASSERT_EQ(last->Navigate(NavigateDirection_PreviousSibling, &previous.p), S_OK);
  EXPECT_EQ(Property(Simple(previous.p).p, 30005), Cp932ToUtf16(list[1]));

  // The selection a click makes is what the reader hears.
  app.PressRow(list, 2);
  VARIANT selected;
  VariantInit(&selected);
  ASSERT_EQ(Simple(last.p)->GetPropertyValue(30079, &selected), S_OK);
  EXPECT_EQ(selected.vt, VT_BOOL);
  EXPECT_EQ(selected.boolVal, VARIANT_TRUE);

  // A reload leaves elements of rows that are gone answering that they are gone, not reading freed rows.
  list.Clear();
  VARIANT gone;
  VariantInit(&gone);
  EXPECT_NE(Simple(last.p)->GetPropertyValue(30005, &gone), S_OK);
}

}  // namespace
}  // namespace tovir::kit::win32
