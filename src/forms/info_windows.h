// TForm4, the usage window, and TForm5, the version window: both hang off the Help menu and only show texts.
#pragma once

#include <string>

#include "kit/controls.h"

namespace tovir {

class TForm4 : public kit::TForm {
 public:
  explicit TForm4(kit::Application& app);
  // Memo1: the usage text, CP932 lines joined with CR LF.
  const std::string& Memo1() const { return memo1_; }

 private:
  std::string memo1_;
};

class TForm5 : public kit::TForm {
 public:
  explicit TForm5(kit::Application& app);
  void BitBtn1Click() { Close(); }  // "Ok"

  kit::TLabel Label1;
  kit::TLabel Label2;
  kit::TLabel Label3;
};

// The usage text as lines of UTF-8, for the backends to convert once.
const char* const* UsageLines(size_t* count);

}  // namespace tovir
