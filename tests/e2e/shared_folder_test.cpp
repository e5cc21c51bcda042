// Saves into a shared folder with the sticky bit (like /tmp), where other users plant links and
// leave files: torv-host runs as an unprivileged user, the situation is made by root.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "support/case_label.h"
#include "support/needed_files.h"
#include "support/no_temporary_left.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

using ::testing::HasSubstr;

// Neither exists on the machine: the kernel takes any number, and nothing else owns their files.
constexpr uid_t victim = 4242;
constexpr uid_t colleague = 65534;
constexpr char login_script[] = "echo welcome\n";

bool running_as_root() { return geteuid() == 0; }

#define TORV_NEEDS_ROOT()                                                    \
  TORV_NEEDS(running_as_root(),                                              \
             "only root can give files to other users and run torv-host as " \
             "another user; run as root (as CI does)")

void give_to(const std::filesystem::path& path, uid_t user) {
  ASSERT_EQ(lchown(path.c_str(), user, user), 0) << path;
}

// Sets the modification time hours back, of a link itself and not of what it points to.
void make_older(const std::filesystem::path& path, int hours) {
  const auto now = std::chrono::system_clock::now() - std::chrono::hours(hours);
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count();
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

class SharedFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(shared());
    std::filesystem::permissions(shared(), std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
  }

  std::filesystem::path shared() const { return folder_.path() / "shared"; }
  std::filesystem::path path(const std::string& name) const { return folder_.path() / name; }

  // torv-host on a model in the shared folder, running the session lines as user (as the test's
  // own user when it is the one running the test).
  torv_test::ProgramResult session(const std::string& lines, uid_t user) {
    const std::filesystem::path script = path("script.txt");
    torv_test::write_file(script, lines);
    std::string launcher;
    if (user != geteuid()) {
      const std::filesystem::path home = path("home-" + std::to_string(user));
      std::filesystem::create_directories(home);
      give_to(home, user);
      const std::string id = std::to_string(user);
      launcher = "setpriv --reuid=" + id + " --regid=" + id + " --clear-groups env HOME=" + home.string();
    }
    return torv_test::run_torv_host(
        {"--generate", "storeys=1,assemblies=1,values=A,path=" + (shared() / "hall.ifc").string(), "--script",
         script.string()},
        {}, launcher);
  }

 private:
  torv_test::TempFolder folder_;
};

enum class Save { sidecar, model };

struct LinkCase {
  const char* label;
  uid_t link_owner;
  Save save;
  bool followed;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.label; }

class PlantedLink : public SharedFolder, public ::testing::WithParamInterface<LinkCase> {};

// A colleague's link to the victim's login script: a save that followed it would write side-car
// lines into the script. Only the victim's own links and the folder owner's are followed.
TEST_P(PlantedLink, IsFollowedOnlyWhenTheUserOrTheFolderOwnerMadeIt) {
  TORV_NEEDS_ROOT();
  const LinkCase& c = GetParam();
  const std::filesystem::path home = path("home-" + std::to_string(victim));
  std::filesystem::create_directories(home);
  give_to(home, victim);
  const std::filesystem::path script = home / ".bash_login";
  torv_test::write_file(script, login_script);
  give_to(script, victim);
  const std::string name = c.save == Save::sidecar ? "hall.batching.csv" : "hall.tvm";
  std::filesystem::create_symlink(script, shared() / name);
  give_to(shared() / name, c.link_owner);

  const std::string save = c.save == Save::sidecar ? "click Batches\nanswer save " +
                                                         (shared() / name).string() + "\npanel batch save\n"
                                                   : "save-model " + (shared() / name).string() + "\n";
  const auto result = session(save, victim);

  EXPECT_TRUE(std::filesystem::is_symlink(shared() / name));
  if (c.followed) {
    EXPECT_EQ(result.errors, "");
    EXPECT_THAT(torv_test::read_file(script),
                ::testing::StartsWith(c.save == Save::sidecar ? "IFC GUID,BATCH\r\n" : "TORV-MODEL 1\n"));
  } else {
    EXPECT_EQ(torv_test::read_file(script), login_script);
    EXPECT_THAT(result.errors, HasSubstr((shared() / name).string() + ": Permission denied"));
    if (c.save == Save::model) {
      EXPECT_EQ(result.exit_code, 1);
    }
  }
  EXPECT_TRUE(torv_test::no_temporary_left(shared()));
  EXPECT_TRUE(torv_test::no_temporary_left(home));
}

INSTANTIATE_TEST_SUITE_P(Owners, PlantedLink,
                         ::testing::Values(LinkCase{"colleagues_sidecar", colleague, Save::sidecar, false},
                                           LinkCase{"colleagues_model_file", colleague, Save::model, false},
                                           LinkCase{"own_sidecar", victim, Save::sidecar, true},
                                           LinkCase{"folder_owners_sidecar", 0, Save::sidecar, true}),
                         torv_test::CaseLabel());

enum class Leftover { file, link, folder };

struct LeftoverCase {
  const char* label;
  const char* name;
  int hours_old;
  Leftover kind;
  bool colleagues;
  bool removed;
};

void PrintTo(const LeftoverCase& c, std::ostream* out) { *out << c.label; }

class WhatASaveLeft : public SharedFolder, public ::testing::WithParamInterface<LeftoverCase> {};

// A killed save leaves its temporary file; the next save into the folder removes it, but never a
// save still writing, another user's file, or anything that only looks like one.
TEST_P(WhatASaveLeft, IsRemovedByTheNextSaveOnlyWhenItIsOursAndStale) {
  const LeftoverCase& c = GetParam();
  if (c.colleagues) {
    TORV_NEEDS_ROOT();
  }
  const std::filesystem::path leftover = shared() / c.name;
  const std::filesystem::path elsewhere = path("elsewhere.csv");
  torv_test::write_file(elsewhere, "keep me");
  // Old enough to go, were the link followed.
  make_older(elsewhere, c.hours_old);
  if (c.kind == Leftover::file) torv_test::write_file(leftover, "half a side-car file");
  if (c.kind == Leftover::link) std::filesystem::create_symlink(elsewhere, leftover);
  if (c.kind == Leftover::folder) std::filesystem::create_directory(leftover);
  if (c.colleagues) give_to(leftover, colleague);
  make_older(leftover, c.hours_old);

  const auto result = session("save-model " + (shared() / "hall.tvm").string() + "\n", geteuid());
  ASSERT_EQ(result.exit_code, 0) << result.errors;

  EXPECT_EQ(!std::filesystem::exists(std::filesystem::symlink_status(leftover)), c.removed);
  EXPECT_EQ(torv_test::read_file(elsewhere), "keep me");
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, WhatASaveLeft,
    ::testing::Values(LeftoverCase{"killed_save", ".torv-k1ll3d", 2, Leftover::file, false, true},
                      LeftoverCase{"save_in_progress", ".torv-n0wn0w", 0, Leftover::file, false, false},
                      LeftoverCase{"colleagues_killed_save", ".torv-c0ll3g", 2, Leftover::file, true, false},
                      LeftoverCase{"link_at_our_name", ".torv-l1nk00", 2, Leftover::link, false, false},
                      LeftoverCase{"folder_at_our_name", ".torv-f0ld3r", 2, Leftover::folder, false, false},
                      LeftoverCase{"not_our_name", ".torv-notes.csv", 2, Leftover::file, false, false}),
    torv_test::CaseLabel());

}  // namespace
