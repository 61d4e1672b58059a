// TForm4, the usage window, and TForm5, the version window: both hang off the Help menu and only show texts.
#pragma once

#include "kit/controls.h"

namespace tovir {

class TForm4 : public kit::TForm {
 public:
  static const kit::FormLayout& Design();
  explicit TForm4(kit::Application& app);

  kit::TMemo Memo1;  // the usage text, read-only
};

class TForm5 : public kit::TForm {
 public:
  static const kit::FormLayout& Design();
  explicit TForm5(kit::Application& app);
  void BitBtn1Click() { Close(); }  // "Ok"

  kit::TLabel Label1;
  kit::TLabel Label2;
  kit::TLabel Label3;
  kit::TImage Image1;
  kit::TButton BitBtn1;
};

}  // namespace tovir
