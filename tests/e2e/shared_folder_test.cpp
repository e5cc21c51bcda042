// Saves into a shared folder with the sticky bit (like /tmp), where other users plant links and
// leave files: torv-host runs as an unprivileged user, the situation is made by root.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

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
constexpr uid_t third_user = 4343;
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

enum class Save { sidecar, model, read_sidecar };

struct LinkCase {
  const char* label;
  uid_t link_owner;
  uid_t folder_owner;
  Save save;
  bool followed;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.label; }

class PlantedLink : public SharedFolder, public ::testing::WithParamInterface<LinkCase> {};

// A colleague's link to the victim's login script: a save that followed it would write side-car
// lines into the script, and a batch value into a command the victim runs. Only the victim's own
// links and root's are followed, to write and to read; the owner of the shared folder may plant a
// link at any name there, and is trusted no more than anyone else.
TEST_P(PlantedLink, IsFollowedOnlyWhenTheUserOrRootMadeIt) {
  TORV_NEEDS_ROOT();
  const LinkCase& c = GetParam();
  give_to(shared(), c.folder_owner);
  const std::filesystem::path home = path("home-" + std::to_string(victim));
  std::filesystem::create_directories(home);
  give_to(home, victim);
  const std::filesystem::path script = home / ".bash_login";
  torv_test::write_file(script, login_script);
  give_to(script, victim);
  const std::string name = c.save == Save::model ? "hall.tvm" : "hall.batching.csv";
  std::filesystem::create_symlink(script, shared() / name);
  give_to(shared() / name, c.link_owner);

  // A side-car file that could not be read makes the save ask first: Yes, save anyway.
  const std::string save = c.save == Save::sidecar ? "click Batches\nanswer yes\nanswer save " +
                                                         (shared() / name).string() + "\npanel batch save\n"
                           : c.save == Save::model ? "save-model " + (shared() / name).string() + "\n"
                                                   : "click Batches\nprint panel batch\n";
  const auto result = session(save, victim);

  EXPECT_TRUE(std::filesystem::is_symlink(shared() / name));
  if (c.save == Save::read_sidecar) {
    const std::string unread =
        "message box \"TORV\" (warning): hall.batching.csv could not be read: "
        "Permission denied. The batches shown are not from it.\n";
    if (c.followed) {
      EXPECT_THAT(result.errors, ::testing::Not(HasSubstr("could not be read")));
    } else {
      // The batch panel shows the model's values instead.
      EXPECT_THAT(result.errors, HasSubstr(unread));
      EXPECT_THAT(result.out, HasSubstr("\nA\t1\tnone\n"));
    }
    EXPECT_EQ(torv_test::read_file(script), login_script);
  } else if (c.followed) {
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

INSTANTIATE_TEST_SUITE_P(
    Owners, PlantedLink,
    ::testing::Values(LinkCase{"colleagues_sidecar", colleague, 0, Save::sidecar, false},
                      LinkCase{"colleagues_model_file", colleague, 0, Save::model, false},
                      LinkCase{"own_sidecar", victim, 0, Save::sidecar, true},
                      LinkCase{"roots_sidecar_in_a_colleagues_folder", 0, colleague, Save::sidecar, true},
                      LinkCase{"folder_owners_sidecar", colleague, colleague, Save::sidecar, false},
                      LinkCase{"folder_owners_model_file", colleague, colleague, Save::model, false},
                      LinkCase{"third_users_sidecar_in_a_colleagues_folder", third_user, colleague,
                               Save::sidecar, false},
                      LinkCase{"folder_owners_sidecar_read", colleague, colleague, Save::read_sidecar, false},
                      LinkCase{"colleagues_sidecar_read", colleague, 0, Save::read_sidecar, false},
                      LinkCase{"own_sidecar_read", victim, colleague, Save::read_sidecar, true}),
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

// The key a viewer puts in its temporary files' names (process number and start time): of this
// test, a process that runs; of one that does not.
std::string running_key() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  std::istringstream fields(line.substr(line.rfind(')') + 1));
  std::string field;
  for (int number = 3; number <= 22; ++number) fields >> field;
  return std::to_string(getpid()) + "_" + field;
}

std::string leftover_name(std::string name) {
  for (const auto& [placeholder, key] : {std::pair<std::string, std::string>{"{running}", running_key()},
                                         std::pair<std::string, std::string>{"{gone}", "999999999_1"}}) {
    if (const auto at = name.find(placeholder); at != std::string::npos)
      name.replace(at, placeholder.size(), key);
  }
  return name;
}

// A killed save leaves its temporary file; the next save into the folder removes it, whatever its
// age, once the viewer that wrote it runs no more, but never a save still writing, another user's
// file, or anything that only looks like one. Names without a viewer's key, from earlier versions,
// go when they are over an hour old.
TEST_P(WhatASaveLeft, IsRemovedByTheNextSaveOnlyWhenItIsOursAndItsSaveEnded) {
  const LeftoverCase& c = GetParam();
  if (c.colleagues) {
    TORV_NEEDS_ROOT();
  }
  const std::filesystem::path leftover = shared() / leftover_name(c.name);
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
    ::testing::Values(
        LeftoverCase{"killed_save", ".torv-k1ll3d", 2, Leftover::file, false, true},
        LeftoverCase{"save_in_progress", ".torv-n0wn0w", 0, Leftover::file, false, false},
        LeftoverCase{"colleagues_killed_save", ".torv-c0ll3g", 2, Leftover::file, true, false},
        LeftoverCase{"link_at_our_name", ".torv-l1nk00", 2, Leftover::link, false, false},
        LeftoverCase{"folder_at_our_name", ".torv-f0ld3r", 2, Leftover::folder, false, false},
        LeftoverCase{"not_our_name", ".torv-notes.csv", 2, Leftover::file, false, false},
        LeftoverCase{"killed_save_of_a_viewer_gone", ".torv-{gone}-k1ll3d", 0, Leftover::file, false, true},
        LeftoverCase{"save_of_a_running_viewer", ".torv-{running}-wr1t1n", 2, Leftover::file, false, false},
        LeftoverCase{"colleagues_save_of_a_viewer_gone", ".torv-{gone}-c0ll3g", 0, Leftover::file, true,
                     false},
        LeftoverCase{"link_at_the_name_of_a_viewer_gone", ".torv-{gone}-l1nk00", 0, Leftover::link, false,
                     false},
        LeftoverCase{"no_key_in_the_name", ".torv-notes-ab12cd", 0, Leftover::file, false, false}),
    torv_test::CaseLabel());

}  // namespace
