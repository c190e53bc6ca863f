// The installed rules pages: one per game of GAMES.DAT in both languages, titled with the game's
// name, listed on the contents page, with no link leading nowhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/games_dat.hpp"

namespace quilloro {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLanguages{"english", "italian"};

fs::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? fs::path(home) : fs::path(QUILLORO_INSTALL_DIR);
}

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string unescapeHtml(std::string text) {
  static const std::vector<std::pair<std::string, std::string>> kEntities{
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&#x27;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : kEntities)
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, entity.size(), character);
  return text;
}

std::string titleOf(const std::string& page) {
  const std::size_t open = page.find("<title>");
  const std::size_t close = page.find("</title>");
  if (open == std::string::npos || close == std::string::npos || close < open) return "";
  return unescapeHtml(page.substr(open + 7, close - open - 7));
}

std::vector<std::string> linksOf(const std::string& page) {
  std::vector<std::string> links;
  const std::string marker = "href=\"";
  for (std::size_t at = page.find(marker); at != std::string::npos; at = page.find(marker, at)) {
    at += marker.size();
    const std::size_t end = page.find('"', at);
    if (end == std::string::npos) break;
    links.push_back(page.substr(at, end - at));
  }
  return links;
}

// The links of a page that do not lead to a file beside it; a link may carry an anchor
// ("page.html#part"), and links leaving the help (a web address, an absolute path) count as broken.
std::vector<std::string> brokenLinks(const fs::path& page) {
  std::vector<std::string> broken;
  for (const std::string& link : linksOf(readText(page))) {
    const std::string file = link.substr(0, link.find('#'));
    if (file.empty()) continue;
    const bool leaves = file.find(':') != std::string::npos || file.front() == '/' || file.find("..") != std::string::npos;
    std::error_code error;
    if (leaves || !fs::is_regular_file(page.parent_path() / file, error)) broken.push_back(link);
  }
  return broken;
}

GamesDat installedGames() { return GamesDat::load(installFolder() / "GAMES.DAT"); }

TEST(HelpPageChecks, FindTitlesAndBrokenLinks) {
  const fs::path folder = fs::temp_directory_path() / ("quilloro_help_check_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "1000.html") << "<html><head><title>Baker&#39;s Dozen &amp; Co</title></head>"
                                         "<body><a href=\"index.html\">x</a> <a href=\"#top\">top</a></body></html>";
  std::ofstream(folder / "index.html") << "<a href=\"1000.html#rules\">a</a> <a href=\"1001.html\">b</a>"
                                          " <a href=\"http://example.org/\">c</a> <a href=\"../GAMES.DAT\">d</a>";
  EXPECT_EQ(titleOf(readText(folder / "1000.html")), "Baker's Dozen & Co");
  EXPECT_EQ(titleOf("<html><body>no title</body></html>"), "");
  EXPECT_TRUE(brokenLinks(folder / "1000.html").empty());
  EXPECT_EQ(brokenLinks(folder / "index.html"),
            (std::vector<std::string>{"1001.html", "http://example.org/", "../GAMES.DAT"}));
  fs::remove_all(folder);
}

TEST(HelpPages, EveryGameHasAPageInBothLanguagesTitledWithItsName) {
  const GamesDat games = installedGames();
  ASSERT_GT(games.gameCount(), 0);
  std::map<int, std::string> gameOfTopic;
  for (const CatalogueEntry& game : games.catalogue()) {
    ASSERT_TRUE(game.helpTopic().has_value()) << game.name() << " has no help context number";
    const int topic = *game.helpTopic();
    const auto [other, unique] = gameOfTopic.emplace(topic, game.name());
    EXPECT_TRUE(unique) << game.name() << " and " << other->second << " share help page " << topic;
    for (const std::string& language : kLanguages) {
      const fs::path page = installFolder() / "Help" / language / (std::to_string(topic) + ".html");
      ASSERT_TRUE(fs::is_regular_file(page)) << "missing " << page;
      EXPECT_EQ(titleOf(readText(page)), game.name()) << page;
    }
  }
}

TEST(HelpPages, ContentsListsEveryGameAndNoLinkLeadsNowhere) {
  const GamesDat games = installedGames();
  for (const std::string& language : kLanguages) {
    const fs::path folder = installFolder() / "Help" / language;
    const fs::path contents = folder / "index.html";
    ASSERT_TRUE(fs::is_regular_file(contents)) << "missing " << contents;
    const std::vector<std::string> links = linksOf(readText(contents));
    const std::set<std::string> listed(links.begin(), links.end());
    for (const CatalogueEntry& game : games.catalogue()) {
      if (!game.helpTopic()) continue;
      EXPECT_TRUE(listed.count(std::to_string(*game.helpTopic()) + ".html"))
          << game.name() << " is not on the " << language << " contents page";
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() != ".html") continue;
      const std::vector<std::string> broken = brokenLinks(entry.path());
      EXPECT_TRUE(broken.empty()) << entry.path() << " links to " << (broken.empty() ? "" : broken.front());
    }
  }
}

}  // namespace
}  // namespace quilloro
