// A group load that runs out of memory at any one of its allocations leaves the drawing table and every list
// either complete or empty, never out of step. This test replaces the global allocator, so it is a program of
// its own.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>

#include "app/program.h"
#include "base/path.h"
#include "cli/export_mode.h"
#include "kit/headless/headless_application.h"
#include "mkdata.h"
#include "support/forwarding_file_system.h"
#include "support/memory_file_system.h"

namespace {

// The allocation that fails: counts down with every allocation while positive and throws when it reaches 0.
// The readers allocate on threads of their own.
std::atomic<long> countdown{-1};

}  // namespace

// Every form of the allocator is replaced, so that what one form allocates another can free. GCC sees
// operator delete hand memory from operator new to free() and warns; here that is the very pairing intended.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
void* Allocate(std::size_t size) {
  long left = countdown.load();
  while (left > 0 && !countdown.compare_exchange_weak(left, left - 1)) {
  }
  if (left == 1) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop

namespace tovir {
namespace {

const std::string kFolder = JoinPath("F", "MCADAM");

// Group A with one user; group B with three users of two drawings each, every drawing file present.
test::MemoryFileSystem& Folder() {
  static test::MemoryFileSystem fs = [] {
    test::MemoryFileSystem made;
    auto group = [&](const char* name, std::initializer_list<const char*> indexFiles) {
      int number = 1;
      for (const char* index : indexFiles) {
        std::vector<std::string> records;
        for (int d = 0; d < 2; ++d, ++number) {
          char digits[16];
          std::snprintf(digits, sizeof digits, "%06d", number);
          records.push_back(mkdata::EncodeRecord({'1', digits, "P" + std::to_string(number), "01"}));
          test::MemoryFileSystem::FileEntry drawing;
          drawing.bytes = mkdata::DrawingFileBytes("NOTE");
          drawing.lastWriteUtc = 1019390758;
          made.AddFile(
              JoinPath(JoinPath(JoinPath(kFolder, name), index + 2), std::string("Mc") + digits + ".1@@"),
              std::move(drawing));
        }
        made.AddFile(JoinPath(JoinPath(JoinPath(kFolder, name), "V3idxft"), index),
                     mkdata::IndexFileBytes(records));
      }
    };
    group("A", {"MCSATO"});
    group("B", {"MCITO", "MCKATO", "MCMORI"});
    return made;
  }();
  return fs;
}

// The folder on a medium whose every file open takes a while: more readers start as the reading goes on.
class SlowFileSystem final : public test::ForwardingFileSystem {
 public:
  SlowFileSystem() : ForwardingFileSystem(Folder()) {}

 protected:
  fs::Fault Before(Call call, std::string_view) override {
    if (call == Call::kOpenFile || call == Call::kReadHead)
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    return fs::Fault::kNone;
  }
};

TEST(AllocationFailure, EveryFailedAllocationOfALoadLeavesTheListsCompleteOrEmpty) {
  SlowFileSystem slow;
  for (int mode : {0, 1, 2}) {  // short display, full display, full display on a slow medium
    long failures = 0;
    for (long n = 1;; ++n) {
      kit::HeadlessApplication app;
      std::string reported;
      app.SetExceptionSink([&](std::exception_ptr error) { reported = kit::ExceptionText(error); });
      Program program(app, mode == 2 ? static_cast<fs::FileSystem&>(slow) : Folder(), {kFolder});
      TForm1& form = program.Form1();
      app.PickRadioItem(form.RadioGroup1, mode == 0 ? 0 : 1);
      countdown = n;
      app.PressRow(form.ListBox1, 1);  // group B
      const bool failed = countdown == 0;
      countdown = -1;

      SCOPED_TRACE("display " + std::to_string(mode) + ", allocation " + std::to_string(n));
      const size_t drawings = form.ListBox4.Count();
      EXPECT_EQ(form.ListBox3.Count(), drawings);
      EXPECT_EQ(form.ListBox5.Count(), drawings);
      EXPECT_EQ(form.ListBox13.Count(), form.ListBox12.Count());
      EXPECT_EQ(form.ListBox13.Count(), form.ListBox9.Count());
      const bool complete = drawings == 6 && form.ListBox13.Count() == 6 && form.ListBox8.Count() == 3;
      const bool empty = drawings == 0 && form.ListBox13.Count() == 0 && form.ListBox8.Count() == 0 &&
                         form.ListBox2.Count() == 0;
      // The click itself may be what could not be delivered: then group A stands as it was.
      const bool untouched = drawings == 2 && form.ListBox13.Count() == 2 && form.GetCurrentGroup() == "A";
      EXPECT_TRUE(complete || empty || untouched)
          << drawings << " drawings, " << form.ListBox13.Count() << " rows, " << form.ListBox8.Count()
          << " users, group " << form.GetCurrentGroup() << ", failed " << failed;
      EXPECT_TRUE(form.StatusBar1.Visible());
      EXPECT_FALSE(program.Form2().Visible());
      if (!failed) {
        EXPECT_TRUE(complete);
        break;
      }
      ++failures;
      if (empty) {
        EXPECT_EQ(form.LastProblem(), TForm1::LoadProblem::kOutOfMemory);
        EXPECT_NE(reported, "");
      }
    }
    EXPECT_GT(failures, 10);  // the load allocates, and every one of those allocations was made to fail
  }
}

TEST(AllocationFailure, TovirCliSaysMemoryRanOutAndNeverWritesAPart) {
  cli::ExportOptions options;
  options.folder = kFolder;
  options.group = "B";
  options.full = true;
  std::string whole;
  cli::RunExport(
      options, Folder(), [&](std::string_view s) { whole += s; }, [](std::string_view) {});
  long failures = 0;
  for (long n = 1;; ++n) {
    std::string out;
    std::string err;
    countdown = n;
    int status = cli::RunExport(
        options, Folder(), [&](std::string_view s) { out += s; }, [&](std::string_view s) { err += s; });
    const bool failed = countdown == 0;
    countdown = -1;
    SCOPED_TRACE("allocation " + std::to_string(n));
    if (!failed) {
      EXPECT_EQ(status, 0);
      EXPECT_EQ(out, whole);
      break;
    }
    ++failures;
    // Either the failure struck where it changed nothing (writing out is the caller's), or it is said.
    if (status == 0) {
      EXPECT_EQ(out, whole);
    } else {
      EXPECT_EQ(status, cli::kExitOutOfMemory);
      EXPECT_EQ(out, "");
      EXPECT_NE(err.find("\xe3\x83\xa1\xe3\x83\xa2\xe3\x83\xaa"), std::string::npos) << err;  // "メモリ"
    }
  }
  EXPECT_GT(failures, 10);
}

}  // namespace
}  // namespace tovir
