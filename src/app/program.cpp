// The program: the application title and the four windows.
#include "app/program.h"

#include "base/messages.h"

namespace tovir {

Program::Program(kit::Application& app, fs::FileSystem& fs, const std::vector<std::string>& args,
                 int startDisplay, size_t readers) {
  app.SetTitle(msg::kAppTitle);
  form1_ = std::make_unique<TForm1>(app, fs, args, startDisplay, readers);
  form5_ = std::make_unique<TForm5>(app);
  form4_ = std::make_unique<TForm4>(app);
  form2_ = std::make_unique<TForm2>(app);
  form1_->AttachWindows(*form2_, *form4_, *form5_);
  // The message loop starts by showing the main window.
  form1_->Show();
}

std::array<std::string_view, Program::kWindows> Program::WindowNames() {
  return {TForm1::Design().name, TForm5::Design().name, TForm4::Design().name, TForm2::Design().name};
}

std::array<kit::TForm*, Program::kWindows> Program::Windows() {
  return {form1_.get(), form5_.get(), form4_.get(), form2_.get()};
}

kit::TForm* Program::FindWindow(std::string_view name) {
  for (kit::TForm* form : Windows()) {
    if (form != nullptr && form->Name() == name) return form;
  }
  return nullptr;
}

}  // namespace tovir
