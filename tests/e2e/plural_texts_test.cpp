// Counts in the plug-in's texts take the plural forms of the viewer's language, through torv-host
// with --lang: the history's steps, the grid menu's Undo entry and the message after a save.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/process_environment.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

const std::vector<int> counts = {1, 2, 5, 12, 22, 25, 101, 112};

// "assign N objects to Lot" in each language, a count's form worked out by hand.
const std::map<std::string, std::vector<std::string>> assign_steps = {
    {"en",
     {"assign 1 object to Lot", "assign 2 objects to Lot", "assign 5 objects to Lot",
      "assign 12 objects to Lot", "assign 22 objects to Lot", "assign 25 objects to Lot",
      "assign 101 objects to Lot", "assign 112 objects to Lot"}},
    {"de",
     {"1 Objekt Lot zuordnen", "2 Objekte Lot zuordnen", "5 Objekte Lot zuordnen", "12 Objekte Lot zuordnen",
      "22 Objekte Lot zuordnen", "25 Objekte Lot zuordnen", "101 Objekte Lot zuordnen",
      "112 Objekte Lot zuordnen"}},
    {"pl",
     {"przypisz 1 obiekt do Lot", "przypisz 2 obiekty do Lot", "przypisz 5 obiektów do Lot",
      "przypisz 12 obiektów do Lot", "przypisz 22 obiekty do Lot", "przypisz 25 obiektów do Lot",
      "przypisz 101 obiektów do Lot", "przypisz 112 obiektów do Lot"}},
};

const std::map<std::string, std::string> undo_entry = {
    {"en", "&Undo "}, {"de", "&Rückgängig: "}, {"pl", "&Cofnij: "}};

// The key the undo entry shows, in each language.
const std::map<std::string, std::string> undo_key = {{"en", "Ctrl+Z"}, {"de", "Strg+Z"}, {"pl", "Ctrl+Z"}};

// The message after saving objects without a GUID, for the same counts.
const std::map<std::string, std::vector<std::string>> left_out_messages = {
    {"en",
     {"1 object has no valid IFC GUID and was not written to lot.batching.csv.",
      "2 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "5 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "12 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "22 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "25 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "101 objects have no valid IFC GUID and were not written to lot.batching.csv.",
      "112 objects have no valid IFC GUID and were not written to lot.batching.csv."}},
    {"de",
     {"1 Objekt hat keine gültige IFC-GUID und wurde nicht in lot.batching.csv geschrieben.",
      "2 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "5 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "12 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "22 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "25 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "101 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben.",
      "112 Objekte haben keine gültige IFC-GUID und wurden nicht in lot.batching.csv geschrieben."}},
    {"pl",
     {"1 obiekt nie ma poprawnego IFC GUID i nie zapisano go w lot.batching.csv.",
      "2 obiekty nie mają poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "5 obiektów nie ma poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "12 obiektów nie ma poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "22 obiekty nie mają poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "25 obiektów nie ma poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "101 obiektów nie ma poprawnego IFC GUID i nie zapisano ich w lot.batching.csv.",
      "112 obiektów nie ma poprawnego IFC GUID i nie zapisano ich w lot.batching.csv."}},
};

// The count cell's hint of a category of as many assemblies as the count, each with one part, in
// each language.
const std::map<std::string, std::vector<std::string>> hints = {
    {"en",
     {"K0 \u2013 0 objects, 0 parts below them", "K1 \u2013 1 object, 1 part below it",
      "K2 \u2013 2 objects, 2 parts below them", "K5 \u2013 5 objects, 5 parts below them",
      "K12 \u2013 12 objects, 12 parts below them", "K22 \u2013 22 objects, 22 parts below them",
      "K25 \u2013 25 objects, 25 parts below them", "K101 \u2013 101 objects, 101 parts below them",
      "K112 \u2013 112 objects, 112 parts below them"}},
    {"de",
     {"K0 \u2013 0 Objekte, darunter 0 Teile", "K1 \u2013 1 Objekt, darunter 1 Teil",
      "K2 \u2013 2 Objekte, darunter 2 Teile", "K5 \u2013 5 Objekte, darunter 5 Teile",
      "K12 \u2013 12 Objekte, darunter 12 Teile", "K22 \u2013 22 Objekte, darunter 22 Teile",
      "K25 \u2013 25 Objekte, darunter 25 Teile", "K101 \u2013 101 Objekte, darunter 101 Teile",
      "K112 \u2013 112 Objekte, darunter 112 Teile"}},
    {"pl",
     {"K0 \u2013 0 obiektów, pod nimi 0 części", "K1 \u2013 1 obiekt, pod nim 1 część",
      "K2 \u2013 2 obiekty, pod nimi 2 części", "K5 \u2013 5 obiektów, pod nimi 5 części",
      "K12 \u2013 12 obiektów, pod nimi 12 części", "K22 \u2013 22 obiekty, pod nimi 22 części",
      "K25 \u2013 25 obiektów, pod nimi 25 części", "K101 \u2013 101 obiektów, pod nimi 101 części",
      "K112 \u2013 112 obiektów, pod nimi 112 części"}},
};

// "@first @first+1 ..." for count objects.
std::string objects(int first, int count) {
  std::string named;
  for (int i = 0; i < count; ++i) named += " @" + std::to_string(first + i);
  return named;
}

// The lines of text that begin with prefix, less it.
std::vector<std::string> lines_after(const std::string& text, const std::string& prefix) {
  std::vector<std::string> found;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(prefix)) found.push_back(line.substr(prefix.size()));
  }
  return found;
}

class PluralTexts : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { torv_test::set_environment("XDG_DATA_HOME", (folder_.path() / "user").string()); }

  torv_test::ProgramResult run(const std::string& generate, const std::string& session) {
    const std::filesystem::path script = folder_.path() / "session.txt";
    torv_test::write_file(script, session);
    return torv_test::run_torv_host(
        {"--lang", GetParam(), "--generate", generate, "--script", script.string()}, folder_.path());
  }

  torv_test::TempFolder folder_;
};

// One assembly after another is assigned: counts of a whole model's assemblies, each its own step.
TEST_P(PluralTexts, TheHistoryAndTheUndoEntry) {
  // Project, site, building and storey come first: the assemblies are @4 onwards.
  std::string session = "click 101\nanswer name Lot\npanel batch menu add\n";
  int next = 4;
  for (const int count : counts) {
    session += "select" + objects(next, count) + "\ncontext\nchoose Lot\npanel batch menu\n";
    next += count;
  }
  session += "print history batch\n";
  const auto result =
      run("storeys=1,assemblies=" + std::to_string(next - 4) + ",parts=0,loose=0,batch=none", session);
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::vector<std::string>& steps = assign_steps.at(GetParam());
  // The history: "  start", the added category, then a step a line, the last marked "> ".
  const std::string listing = result.out.substr(result.out.rfind("  start\n"));
  std::vector<std::string> history;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line) && line.size() > 2;) history.push_back(line.substr(2));
  ASSERT_EQ(history.size(), 2 + steps.size()) << listing;
  EXPECT_EQ(std::vector<std::string>(history.begin() + 2, history.end()), steps);
  std::vector<std::string> entries;
  for (const std::string& step : steps)
    entries.push_back(undo_entry.at(GetParam()) + step + "\t" + undo_key.at(GetParam()) + "\tenabled");
  EXPECT_EQ(lines_after(result.out, "menu_undo\t"), entries);
}

// A model file of our own: as many assemblies in batch "Lot" as the count, each with a GUID that holds
// a comma, which a side-car file cannot hold.
std::string model_with_broken_guids(int count) {
  std::string text =
      "TORV-MODEL 1\no\t-\tIfcProject\tProject\t\t\t0PluralProject00000000\t0\t-\n"
      "k\ttext\tBIM\tUSER_FIELD_4\n";
  for (int i = 0; i < count; ++i) {
    text += "o\t0\tIfcElementAssembly\tAssembly\t\t\t3dXy," + std::to_string(i) + "\t0\t-\np\t0\tLot\n";
  }
  return text + "end\t" + std::to_string(count + 1) + "\n";
}

TEST_P(PluralTexts, TheMessageAfterASave) {
  std::string session;
  for (const int count : counts) {
    const std::filesystem::path model = folder_.path() / ("lot" + std::to_string(count) + ".tvm");
    torv_test::write_file(model, model_with_broken_guids(count));
    session += "load " + model.string() + "\nclick 101\nanswer save " +
               (folder_.path() / "lot.batching.csv").string() + "\npanel batch save\npanel batch close\n";
  }
  const auto result = run("storeys=1", session);
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  std::vector<std::string> expected;
  for (const std::string& message : left_out_messages.at(GetParam()))
    expected.push_back("\"TORV\" (warning): " + message);
  EXPECT_EQ(lines_after(result.errors, "message box "), expected);
}

// Categories of 0 to 112 assemblies with a part each: both counts of the hint take their forms.
TEST_P(PluralTexts, TheCountHint) {
  std::string session = "click 101\n";
  // Project, site, building and storey come first, then each assembly and its part.
  int next = 4;
  const std::vector<int> hint_counts = {0, 1, 2, 5, 12, 22, 25, 101, 112};
  for (const int count : hint_counts) {
    const std::string name = "K" + std::to_string(count);
    session += "answer name " + name + "\npanel batch menu add\n";
    if (count == 0) continue;
    session += "select";
    for (int i = 0; i < count; ++i, next += 2) session += " @" + std::to_string(next);
    session += "\ncontext\nchoose " + name + "\n";
  }
  for (std::size_t row = 1; row <= hint_counts.size(); ++row)
    session += "panel batch hint " + std::to_string(row) + "\n";
  const auto result =
      run("storeys=1,assemblies=" + std::to_string((next - 4) / 2) + ",parts=1,loose=0,batch=none", session);
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // Each hint is printed as the viewer shows it, one after another.
  std::string hints_shown;
  for (const std::string& hint : hints.at(GetParam())) hints_shown += hint;
  std::string out = result.out;
  std::erase(out, '\n');
  EXPECT_THAT(out, ::testing::HasSubstr(hints_shown)) << result.out;
}

INSTANTIATE_TEST_SUITE_P(Languages, PluralTexts, ::testing::Values("en", "de", "pl"),
                         [](const ::testing::TestParamInfo<std::string>& language) {
                           return language.param;
                         });

}  // namespace
