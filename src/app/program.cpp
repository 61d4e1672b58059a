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

}  // namespace tovir
