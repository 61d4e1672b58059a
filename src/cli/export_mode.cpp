// Export mode of tovir-cli, on the very same main window as the program.
#include "cli/export_mode.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "app/program.h"
#include "base/cp932.h"
#include "base/messages.h"
#include "kit/headless/headless_application.h"

namespace tovir::cli {

namespace {

// Output is made and written in pieces of about this size.
constexpr size_t kPieceBytes = size_t{1} << 18;

void DrawProgress(const Sink& err, int percent) {
  char line[64];
  int filled = percent / 4;
  std::snprintf(line, sizeof line, "\r%3d%% [%-25.*s]", percent, filled, "#########################");
  err(line);
}

// The export; running out of memory anywhere in it ends it with std::bad_alloc.
int Export(const ExportOptions& options, fs::FileSystem& fs, const Sink& out, const Sink& err) {
  kit::HeadlessApplication app;
  // Memory that ran out in a handler ends the export after that input: a copy that could not be made must not
  // pass for an empty one. It is said once, by RunExport, in the program's own words.
  bool outOfMemory = false;
  app.SetExceptionSink([&](std::exception_ptr error) {
    if (kit::IsOutOfMemory(error)) {
      outOfMemory = true;
    } else {
      err("tovir-cli: " + kit::ExceptionText(error) + "\n");
    }
  });
  auto checked = [&] {
    if (outOfMemory) throw std::bad_alloc();
  };
  std::vector<std::string> args{options.folder};
  // The full display is chosen before the folder is taken, so the group it loads is read once, straight into
  // that display; a named group is first loaded in the short display, which reads only its index files.
  const bool fullFromStart = options.full && !options.group;
  Program program(app, fs, args, fullFromStart ? 1 : 0, options.readers);
  checked();
  TForm1& form = program.Form1();
  auto message = [&](std::string_view cp932) { err(driver::Encode(cp932, options.encoding) + "\n"); };

  kit::UserInput& input = app;
  if (form.LastProblem() == TForm1::LoadProblem::kRefused) {
    message(msg::kMsgDropMcadam);
    return driver::kExitUsage;
  }

  int status = 0;
  // Every problem is said on standard error, and passes the exit status on: rows that are not there are
  // never reported as complete.
  auto say = [&](std::string_view prefix, const std::vector<TForm1::Problem>& problems) {
    for (const TForm1::Problem& problem : problems) {
      message(std::string(prefix) + problem.text);
      const int severity = problem.kind == TForm1::LoadProblem::kTooManyDrawings ? driver::kExitOutOfMemory
                                                                                 : driver::kExitPassedOver;
      status = std::max(status, severity);
    }
  };
  say("", form.IntakeProblems());

  std::vector<size_t> groups;
  if (options.allGroups) {
    for (size_t i = 0; i < form.ListBox1.Count(); ++i) groups.push_back(i);
  } else if (options.group) {
    size_t i = 0;
    while (i < form.ListBox1.Count() && Trim(form.ListBox1[i]) != *options.group) ++i;
    if (i == form.ListBox1.Count()) {
      err("tovir-cli: unknown group: " + driver::Encode(*options.group, options.encoding) + "\n");
      return driver::kExitUsage;
    }
    groups.push_back(i);
  }

  bool drawing = false;
  if (options.progress) {
    app.SetMessageHook([&] {
      drawing = true;
      DrawProgress(err, form.ProgressBar1.Position());
    });
  }
  auto click = [&](size_t group) {
    input.PressRow(form.ListBox1, group);
    checked();
  };
  if (!options.allGroups && !groups.empty()) click(groups[0]);
  if (options.full && !fullFromStart) input.PickRadioItem(form.RadioGroup1, 1);
  checked();

  auto copy = [&](bool heading, std::string_view group) {
    if (form.LastProblem() == TForm1::LoadProblem::kOutOfMemory) throw std::bad_alloc();  // the group is gone
    if (drawing) {
      err("\r" + std::string(34, ' ') + "\r");
      drawing = false;
    }
    say(options.allGroups ? std::string(group) + ": " : std::string(), form.LoadProblems());
    input.ChooseMenuItem(heading ? form.htuki : form.hnasi);
    checked();
    // What the copy command would put on the clipboard, written as it is made: a group of millions of
    // drawings never stands in memory as one text, and UTF-8 costs one conversion of each piece.
    form.StreamCopy(options.tab ? kCopyAllTabbed : kCopyAll, kPieceBytes, [&](std::string_view piece) {
      if (options.encoding == driver::Encoding::kCp932) {
        out(piece);
      } else {
        out(driver::Encode(piece, options.encoding));
      }
    });
  };
  // Drawings that did not all fit in memory: the rows are cut, and the run ends as one that ran out of
  // memory.
  auto finish = [&] {
    if (status == driver::kExitOutOfMemory) message(msg::kMsgOutOfMemory);
    return status;
  };

  if (!options.allGroups) {
    copy(options.heading, form.GetCurrentGroup());
    return finish();
  }
  if (groups.empty()) copy(options.heading, "");
  for (size_t k = 0; k < groups.size(); ++k) {
    if (k > 0) {
      const std::string shown = form.GetCurrentGroup();
      click(groups[k]);
      // A click on a group whose trimmed name is the one shown reads nothing: two groups may share that name
      // (" G" and "G", or a name CP932 cannot hold beside the one it turns into). The user reads the one
      // chosen by changing the display and back; so does the export, rather than copy the other's rows again.
      if (Trim(form.ListBox1[groups[k]]) == shown) {
        const int display = form.RadioGroup1.ItemIndex();
        input.PickRadioItem(form.RadioGroup1, 1 - display);
        checked();
        input.PickRadioItem(form.RadioGroup1, display);
        checked();
      }
    }
    copy(options.heading && k == 0, form.GetCurrentGroup());
  }
  return finish();
}

}  // namespace

int RunExport(const ExportOptions& options, fs::FileSystem& fs, const Sink& out, const Sink& err) {
  try {
    return Export(options, fs, out, err);
  } catch (const std::bad_alloc&) {
    driver::ReleaseHeadroom();
    err(driver::Encode(msg::kMsgOutOfMemory, options.encoding) + "\n");
    return driver::kExitOutOfMemory;
  } catch (const driver::OutputFailed&) {
    return driver::kExitOutput;
  }
}

}  // namespace tovir::cli
