// The program: the application title and the four windows, created in their order and kept until the end.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "forms/info_windows.h"
#include "forms/progress_window.h"
#include "fs/file_system.h"
#include "kit/application.h"

namespace tovir {

class Program {
 public:
  // Sets the title, creates Form1 (whose creation takes args[0] as a folder), Form5, Form4 and Form2, and
  // shows the main window.
  // `startDisplay`: the display item chosen before the folder is taken; `readers`: the threads that read
  // ahead (see TForm1).
  Program(kit::Application& app, fs::FileSystem& fs, const std::vector<std::string>& args,
          int startDisplay = 0, size_t readers = kDefaultReaders);

  TForm1& Form1() { return *form1_; }
  TForm2& Form2() { return *form2_; }
  TForm4& Form4() { return *form4_; }
  TForm5& Form5() { return *form5_; }

  static constexpr size_t kWindows = 4;
  // The program's windows by name, in the order they are made; the one list of them that everything
  // naming a window (scripts, dumps) goes by.
  static std::array<std::string_view, kWindows> WindowNames();
  std::array<kit::TForm*, kWindows> Windows();
  // The window of that name, or nullptr.
  kit::TForm* FindWindow(std::string_view name);

 private:
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm2> form2_;
};

}  // namespace tovir
