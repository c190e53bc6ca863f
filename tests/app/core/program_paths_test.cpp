// Where the program finds its data and keeps the player's: a portable folder,
// an installed program under PREFIX, --home; and the window's command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "app/core/program_options.hpp"
#include "app/core/program_paths.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

// A prefix with bin/ and share/quilloro/GAMES.DAT, as cmake --install lays it out.
struct InstalledPrefix {
  InstalledPrefix() {
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "quilloro" / "Images");
    std::ofstream(prefix / "share" / "quilloro" / "GAMES.DAT") << "x";
  }
  fs::path bin() const { return prefix / "bin"; }
  fs::path data() const { return prefix.path() / "share" / "quilloro"; }
  TempDir prefix;
};

UserFolders user(const fs::path& home, const fs::path& dataHome = {}) { return {home, dataHome}; }

TEST(ProgramPaths, APortableFolderKeepsThePlayersDataBesideTheProgram) {
  TempDir folder;
  std::ofstream(folder / "GAMES.DAT") << "x";
  const ProgramPaths paths = programPathsFrom(folder.path(), {"Quilloro"}, user("/home/ann"));
  EXPECT_FALSE(paths.installed);
  EXPECT_EQ(paths.install, folder.path());
  EXPECT_EQ(paths.home, folder.path());
  EXPECT_EQ(paths.documents, folder.path());
  EXPECT_EQ(paths.gamesDat, folder / "GAMES.DAT");
  // Even beside an installed prefix, data beside the program wins.
  InstalledPrefix installed;
  std::ofstream(installed.bin() / "GAMES.DAT") << "x";
  EXPECT_FALSE(programPathsFrom(installed.bin(), {}, user("/home/ann")).installed);
}

TEST(ProgramPaths, AnInstalledProgramKeepsThePlayersDataInTheXdgFolder) {
  InstalledPrefix installed;
  const ProgramPaths paths = programPathsFrom(installed.bin(), {"quilloro"}, user("/home/ann"));
  EXPECT_TRUE(paths.installed);
  EXPECT_EQ(paths.install, installed.data());
  EXPECT_EQ(paths.gamesDat, installed.data() / "GAMES.DAT");
  EXPECT_EQ(paths.pictures, installed.data());
  EXPECT_EQ(paths.home, fs::path("/home/ann/.local/share/quilloro"));
  // The save dialog starts in the player's home folder, not in the hidden data folder.
  EXPECT_EQ(paths.documents, fs::path("/home/ann"));

  const ProgramPaths moved = programPathsFrom(installed.bin(), {}, user("/home/ann", "/srv/data/ann"));
  EXPECT_EQ(moved.home, fs::path("/srv/data/ann/quilloro"));
  EXPECT_EQ(moved.documents, fs::path("/home/ann"));
  // The program's folder is taken as named: bin/. is bin, but the prefix itself holds no program.
  EXPECT_EQ(programPathsFrom(installed.bin() / ".", {}, user("/h")).install, installed.data());
  EXPECT_FALSE(programPathsFrom(installed.bin() / "..", {}, user("/h")).installed);
}

TEST(ProgramPaths, HomeOverridesBothTheXdgFolderAndThePortableOne) {
  InstalledPrefix installed;
  TempDir home;
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"quilloro", "--home", home.path().string()}, {"quilloro", "--home=" + home.path().string()}}) {
    const ProgramPaths paths = programPathsFrom(installed.bin(), arguments, user("/home/ann", "/srv/ann"));
    EXPECT_TRUE(paths.installed);
    EXPECT_EQ(paths.home, home.path());
    EXPECT_EQ(paths.documents, home.path());
    EXPECT_EQ(paths.install, installed.data());
  }
  // A home folder with pictures and game definitions of its own uses them.
  fs::create_directories(home / "Images");
  std::ofstream(home / "GAMES.DAT") << "y";
  const ProgramPaths own = programPathsFrom(installed.bin(), {"--home", home.path().string()}, user("/h"));
  EXPECT_EQ(own.pictures, home.path());
  EXPECT_EQ(own.gamesDat, home / "GAMES.DAT");
  EXPECT_EQ(programPathsFrom(installed.bin(), {"--home", home.path().string(), "--dat", "/x/G.DAT"}, user("/h")).gamesDat,
            fs::path("/x/G.DAT"));
}

TEST(ProgramPaths, WithoutGameDefinitionsAnywhereTheMissingFileIsNamedBesideTheProgram) {
  TempDir folder;
  const ProgramPaths paths = programPathsFrom(folder.path(), {}, user("/home/ann"));
  EXPECT_FALSE(paths.installed);
  const std::optional<std::string> missing = missingStartupFile(paths);
  ASSERT_TRUE(missing);
  EXPECT_NE(missing->find((folder / "GAMES.DAT").string()), std::string::npos);
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ProgramPaths, TheUsersFoldersComeFromTheEnvironment) {
  {
    ScopedEnvironment home("HOME", "/home/bob");
    ScopedEnvironment data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserFolders::current().home, fs::path("/home/bob"));
    EXPECT_TRUE(UserFolders::current().dataHome.empty());
  }
  {
    ScopedEnvironment data("XDG_DATA_HOME", "/var/bob");
    EXPECT_EQ(UserFolders::current().dataHome, fs::path("/var/bob"));
  }
  // Empty or relative values do not count, as the XDG rules ask.
  for (const char* ignored : {"", "relative/data"}) {
    ScopedEnvironment data("XDG_DATA_HOME", ignored);
    EXPECT_TRUE(UserFolders::current().dataHome.empty()) << ignored;
  }
  {
    // Without HOME the account's home folder serves.
    ScopedEnvironment home("HOME", nullptr);
    EXPECT_FALSE(UserFolders::current().home.empty());
  }
}

TEST(ProgramCommandLine, HelpAndVersionAreAnsweredAndMistakesNamed) {
  using Action = ProgramCommandLine::Action;
  EXPECT_EQ(readProgramCommandLine({}).action, Action::Run);
  EXPECT_EQ(readProgramCommandLine({"--home", "/tmp/x", "--dat", "G.DAT"}).action, Action::Run);
  EXPECT_EQ(readProgramCommandLine({"--home=/tmp/x"}).action, Action::Run);
  EXPECT_EQ(readProgramCommandLine({"--help"}).action, Action::Help);
  EXPECT_EQ(readProgramCommandLine({"-h"}).action, Action::Help);
  EXPECT_EQ(readProgramCommandLine({"--version"}).action, Action::Version);
  // Help wins over everything, even a mistake before it.
  EXPECT_EQ(readProgramCommandLine({"--bogus", "--help"}).action, Action::Help);
  EXPECT_EQ(readProgramCommandLine({"--version", "--help"}).action, Action::Help);
  // A value that looks like --help is the value of --home.
  EXPECT_EQ(readProgramCommandLine({"--home", "--version"}).action, Action::Run);

  // The toolkit's own options pass, with one dash or two, with their values.
  EXPECT_EQ(readProgramCommandLine({"-platform", "offscreen", "--style=fusion", "-reverse"}).action, Action::Run);
  EXPECT_EQ(readProgramCommandLine({"--platform", "xcb", "-qwindowgeometry", "800x600"}).action, Action::Run);

  const ProgramCommandLine unknown = readProgramCommandLine({"--fullscreen"});
  EXPECT_EQ(unknown.action, Action::Error);
  EXPECT_EQ(unknown.error, "unknown option --fullscreen");
  EXPECT_EQ(readProgramCommandLine({"-home", "x"}).error, "unknown option -home");
  EXPECT_EQ(readProgramCommandLine({"--home"}).error, "option --home needs a value");
  EXPECT_EQ(readProgramCommandLine({"--dat", ""}).error, "option --dat needs a value");
  EXPECT_EQ(readProgramCommandLine({"--home="}).error, "option --home needs a value");
  EXPECT_EQ(readProgramCommandLine({"-platform"}).error, "option -platform needs a value");
  EXPECT_EQ(readProgramCommandLine({"saved.GAM"}).error, "unexpected argument \"saved.GAM\"");
  EXPECT_EQ(readProgramCommandLine({"-"}).error, "unexpected argument \"-\"");
  EXPECT_EQ(readProgramCommandLine({"-reverse=1"}).action, Action::Error);
  for (const std::string& error : {unknown.error, readProgramCommandLine({"x"}).error})
    EXPECT_EQ(error.find('\n'), std::string::npos);

  const std::string help = programHelpText("quilloro");
  EXPECT_EQ(help.rfind("usage: quilloro ", 0), 0u);
  for (const char* option : {"--home DIR", "--dat FILE", "--help", "--version", ".local/share/quilloro"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace quilloro
