// The state and the layout of the program's windows as JSON lines.
#include "driver/dump.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "base/encoding.h"

namespace tovir::driver {

namespace {

using Json = nlohmann::ordered_json;

class Writer {
 public:
  explicit Writer(bool hex) : hex_(hex) {}

  Json Text(std::string_view cp932) const {
    if (!hex_) return Cp932ToUtf8(cp932);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits;
    digits.reserve(cp932.size() * 2);
    for (unsigned char c : cp932) {
      digits += kHex[c >> 4];
      digits += kHex[c & 15];
    }
    return digits;
  }

  template <typename Rows>
  Json List(const Rows& list) const {
    Json array = Json::array();
    for (size_t i = 0; i < list.Count(); ++i) array.push_back(Text(list[i]));
    return array;
  }

 private:
  bool hex_;
};

std::string Line(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json FormState(kit::StateView& view, kit::TForm& form) {
  Json json;
  json["Visible"] = view.Visible(form);
  kit::Rect bounds = view.Bounds(form);
  json["Left"] = bounds.left;
  json["Top"] = bounds.top;
  return json;
}

const char* AlignName(kit::Align align) {
  switch (align) {
    case kit::Align::kTop:
      return "alTop";
    case kit::Align::kBottom:
      return "alBottom";
    case kit::Align::kNone:
      break;
  }
  return "alNone";
}

const char* PitchName(kit::Pitch pitch) {
  switch (pitch) {
    case kit::Pitch::kFixed:
      return "fpFixed";
    case kit::Pitch::kVariable:
      return "fpVariable";
    case kit::Pitch::kDefault:
      break;
  }
  return "fpDefault";
}

const char* TextAlignName(kit::TextAlign alignment) {
  switch (alignment) {
    case kit::TextAlign::kCenter:
      return "taCenter";
    case kit::TextAlign::kRight:
      return "taRightJustify";
    case kit::TextAlign::kLeft:
      break;
  }
  return "taLeftJustify";
}

// Which members a control of each class has.
struct Traits {
  bool caption = false;
  bool font = false;
  bool windowed = false;  // takes the focus: tab stop and tab order
  bool readOnly = false;
  bool items = false;
};

Traits TraitsOf(std::string_view type) {
  if (type == "TLabel") return {.caption = true, .font = true};
  if (type == "TBitBtn") return {.caption = true, .font = true, .windowed = true};
  if (type == "TRadioGroup") return {.caption = true, .font = true, .windowed = true};
  if (type == "TEdit" || type == "TMemo") return {.font = true, .windowed = true, .readOnly = true};
  if (type == "TListBox") return {.font = true, .windowed = true, .items = true};
  if (type == "TStatusBar") return {.font = true};
  if (type == "TProgressBar") return {.windowed = true};
  return {};
}

// A control's place, visibility and font as its window shows them where it has one, else the design's.
Json ControlLayoutJson(const Writer& w, const kit::StateView& view, const kit::TForm& form,
                       const kit::TControl& control) {
  const kit::ControlLayout& l = control.Layout();
  const kit::FormLayout& f = form.Layout();
  const Traits traits = TraitsOf(control.TypeName());
  const std::optional<kit::ShownControl> shown = view.Shown(control);
  kit::Rect bounds = shown ? shown->bounds : control.Bounds();
  Json json;
  json["Name"] = control.Name();
  json["Type"] = control.TypeName();
  json["Left"] = bounds.left;
  json["Top"] = bounds.top;
  json["Width"] = bounds.width;
  json["Height"] = bounds.height;
  json["Align"] = AlignName(l.align);
  if (traits.caption) json["Caption"] = w.Text(l.caption);
  if (traits.font) {
    const kit::Font& font = control.DesignFont();
    json["FontName"] = w.Text(shown ? std::string_view(shown->fontName) : font.name);
    json["FontHeight"] = shown ? shown->fontHeight : font.height;
    json["FontCharset"] = shown ? shown->fontCharset : font.charset;
    json["FontPitch"] = PitchName(shown ? shown->fontPitch : font.pitch);
    json["FontColor"] = l.fontColor.IsParent() ? std::string("clWindowText") : l.fontColor.Name();
  }
  if (control.TypeName() != "TImage") json["Color"] = (l.color.IsParent() ? f.color : l.color).Name();
  if (const auto* label = dynamic_cast<const kit::TLabel*>(&control)) {
    json["Alignment"] = TextAlignName(l.alignment);
    json["AutoSize"] = label->AutoSize();
  }
  json["Enabled"] = control.Enabled();
  if (traits.readOnly) json["ReadOnly"] = l.readOnly;
  if (traits.windowed) {
    json["TabStop"] = l.tabStop;
    json["TabOrder"] = l.tabOrder;
  }
  json["Visible"] = shown ? shown->visible : control.Visible();
  if (traits.items) json["ItemHeight"] = l.itemHeight;
  if (control.TypeName() == "TMemo") json["WordWrap"] = l.wordWrap;
  return json;
}

Json FormLayoutJson(const Writer& w, kit::StateView& view, kit::TForm& form) {
  const kit::FormLayout& f = form.Layout();
  kit::Rect bounds = view.Bounds(form);
  Json json;
  json["Caption"] = w.Text(f.caption);
  json["Left"] = bounds.left;
  json["Top"] = bounds.top;
  json["Width"] = bounds.width;
  json["Height"] = bounds.height;
  const std::optional<kit::Rect> client = view.ClientArea(form);
  json["ClientWidth"] = client ? client->width : form.ClientWidth();
  json["ClientHeight"] = client ? client->height : form.ClientHeight();
  json["BorderStyle"] = f.borderStyle == kit::BorderStyle::kDialog ? "bsDialog" : "bsSizeable";
  Json icons = Json::array();
  if (f.borderIcons & kit::kSystemMenu) icons.push_back("biSystemMenu");
  if (f.borderIcons & kit::kMinimize) icons.push_back("biMinimize");
  if (f.borderIcons & kit::kMaximize) icons.push_back("biMaximize");
  json["BorderIcons"] = icons;
  json["StayOnTop"] = f.stayOnTop;
  json["Visible"] = view.Visible(form);
  json["FontName"] = w.Text(f.font->name);
  json["FontHeight"] = f.font->height;
  json["Color"] = f.color.Name();
  // In tab order; the controls that never take the focus follow in the order they were made.
  std::vector<const kit::TControl*> controls(form.Controls().begin(), form.Controls().end());
  std::stable_sort(controls.begin(), controls.end(), [](const kit::TControl* a, const kit::TControl* b) {
    auto key = [](const kit::TControl* c) {
      return c->Layout().tabOrder < 0 ? 1 << 30 : c->Layout().tabOrder;
    };
    return key(a) < key(b);
  });
  Json array = Json::array();
  for (const kit::TControl* control : controls) array.push_back(ControlLayoutJson(w, view, form, *control));
  json["Controls"] = array;
  return json;
}

}  // namespace

std::string DumpState(Program& program, kit::StateView& view, bool hex) {
  const Writer w(hex);
  TForm1& f = program.Form1();
  Json json;
  json["ListBox1"] = w.List(f.ListBox1.Items());
  json["ListBox2"] = w.List(f.ListBox2);
  json["ListBox3"] = w.List(f.ListBox3);
  json["ListBox4"] = w.List(f.ListBox4);
  json["ListBox5"] = w.List(f.ListBox5);
  json["ListBox8"] = w.List(f.ListBox8.Items());
  json["ListBox9"] = w.List(f.ListBox9);
  json["ListBox12"] = w.List(f.ListBox12);
  json["ListBox13"] = w.List(f.ListBox13);
  json["ListBox1Selected"] = f.ListBox1.ItemIndex();
  json["ListBox13Selected"] = view.SelectedRows(f.ListBox13);
  json["ListBox13ItemIndex"] = view.FocusRow(f.ListBox13);
  json["Edit0"] = w.Text(f.Edit0);
  json["Edit6"] = w.Text(f.Edit6);
  json["Edit7"] = w.Text(f.Edit7);
  json["Edit8"] = w.Text(f.Edit8.Text());
  json["Edit10"] = w.Text(f.Edit10.Text());
  json["Label12"] = w.Text(f.Label12.Caption());
  json["StatusBar1"] = w.Text(f.StatusBar1.SimpleText());
  json["CurrentGroup"] = w.Text(f.GetCurrentGroup());
  json["StatusBar1Visible"] = f.StatusBar1.Visible();
  json["ProgressBar1Visible"] = f.ProgressBar1.Visible();
  json["htuki"] = f.htuki.Checked();
  json["hnasi"] = f.hnasi.Checked();
  json["ProgressBar1"] = f.ProgressBar1.Position();
  json["ProgressTrace"] = f.ProgressTrace();
  json["RadioGroup1"] = f.RadioGroup1.ItemIndex();
  json["ForceReload"] = f.GetForceReload();
  json["SearchRow"] = f.GetSearchRow();
  json["SearchHit"] = f.GetSearchHit();
  json["ReadCancelled"] = f.GetReadCancelled();
  json["Beeps"] = view.Beeps();
  auto clipboard = view.ClipboardText();
  json["Clipboard"] = clipboard ? w.Text(*clipboard) : Json();
  if (view.OffersClipboardHtml()) {
    // The table for spreadsheets is UTF-8 already; --hex gives its bytes.
    auto html = view.ClipboardHtml();
    json["ClipboardHtml"] = !html ? Json() : hex ? w.Text(*html) : Json(*html);
  }
  for (kit::TForm* form : program.Windows()) {
    if (form->IsMainWindow()) continue;
    Json state = FormState(view, *form);
    if (form == &program.Form2()) {
      state["AnimationStep"] = program.Form2().AnimationStep;
      state["Shows"] = view.Shows(*form);
    }
    json[form->Name()] = state;
  }
  json["Focus"] = w.Text(view.FocusName());
  return Line(json);
}

std::string DumpLayout(Program& program, kit::StateView& view, bool hex) {
  const Writer w(hex);
  Json json;
  for (kit::TForm* form : program.Windows()) json[form->Name()] = FormLayoutJson(w, view, *form);
  return Line(json);
}

}  // namespace tovir::driver
