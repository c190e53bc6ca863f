// quilloro-artwork: writes every picture and sound that the program reads from its installation folder.
#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "artwork/backgrounds.hpp"
#include "artwork/card_backs.hpp"
#include "artwork/card_faces.hpp"
#include "artwork/marks.hpp"
#include "artwork/named_backgrounds.hpp"
#include "artwork/option_pictures.hpp"
#include "artwork/pointer_shapes.hpp"
#include "artwork/resource_bitmaps.hpp"
#include "artwork/sounds.hpp"
#include "artwork/wav_writer.hpp"

namespace {

using namespace quilloro;
using namespace quilloro::artwork;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: quilloro-artwork --home DIR --fonts DIR\n"
    "  writes DIR/Images (cards, backs, marks, backgrounds), DIR/Resources (strips,\n"
    "  panel, pie charts, pointers) and DIR/SOUNDS (wave files)\n";

using Job = std::function<void(FontBook&)>;

std::vector<Job> allJobs(const fs::path& home) {
  const fs::path images = home / "Images", resources = home / "Resources", sounds = home / "SOUNDS";
  std::vector<Job> jobs;
  // The whole pictures take longest: start them first so the workers finish together.
  for (int number : backgroundNumbers()) {
    jobs.push_back([=](FontBook&) { writeBmp(images / ("B" + threeDigits(number) + ".bmp"), renderBackground(number)); });
  }
  for (int number : namedBackgroundNumbers()) {
    jobs.push_back([=](FontBook& fonts) {
      writeBmp(images / ("B" + threeDigits(number) + ".bmp"), *renderNamedBackground(number, fonts));
    });
  }
  std::reverse(jobs.begin(), jobs.end());
  jobs.push_back([=](FontBook& fonts) { writeBmp(images / "Y001.bmp", renderDemoBackground(fonts)); });

  const auto& styles = cardStyles();
  for (std::size_t set = 0; set < styles.size(); ++set) {
    for (CardSize size : kCardSizes) {
      for (Suit suit : kSuits) {
        jobs.push_back([=, &styles](FontBook& fonts) {
          const std::string name = std::string("C") + size.letter + threeDigits(static_cast<int>(set) + 1) + suitLetter(suit) + ".bmp";
          writeBmp(images / name, renderFaceSheet(styles[set], size, suit, fonts));
        });
      }
    }
  }
  for (CardSize size : kCardSizes) {
    jobs.push_back([=](FontBook&) {
      for (int n = 1; n <= cardBackCount(); ++n)
        writeBmp(images / (std::string("D") + size.letter + threeDigits(n) + ".bmp"), renderCardBack(n, size));
    });
    jobs.push_back([=](FontBook& fonts) {
      for (int code : markCodes())
        writeBmp(images / (std::string("W") + size.letter + threeDigits(code) + ".bmp"), renderMark(code, size, fonts));
    });
    jobs.push_back([=](FontBook&) {
      const std::string letter(1, size.letter);
      writeBmp(resources / ("SHADOW_" + letter + "1.bmp"), renderShadowStrip(size, 1));
      writeBmp(resources / ("SHADOW_" + letter + "2.bmp"), renderShadowStrip(size, 2));
      writeBmp(resources / ("3D_BORDER_" + letter + "1.bmp"), renderStockEdgeStrip(size, 1));
      writeBmp(resources / ("3D_BORDER_" + letter + "2.bmp"), renderStockEdgeStrip(size, 2));
    });
  }
  jobs.push_back([=](FontBook&) {
    writeBmp(resources / "Panel_pk.bmp", renderPokerPanel());
  });
  jobs.push_back([=](FontBook& fonts) { writeBmp(resources / "PANEL_FONT.bmp", renderPanelFont(fonts)); });
  jobs.push_back([=](FontBook&) {
    for (const auto& [name, picture] : renderPieCharts()) writeBmp(resources / (name + ".bmp"), picture);
  });
  jobs.push_back([=](FontBook& fonts) {
    for (const auto& [name, picture] : renderCounterPictures(fonts)) writeBmp(resources / (name + ".bmp"), picture);
    for (const auto& [name, picture] : renderEffectSamples(fonts)) writeBmp(resources / (name + ".bmp"), picture);
  });
  jobs.push_back([=](FontBook&) {
    std::ofstream hotspots(resources / "POINTERS.TXT", std::ios::trunc);
    hotspots << "; pointer shapes: resource name, pointer number, hot spot x and y; magenta (255, 0, 255) is transparent\n";
    for (const PointerShape& shape : renderPointerShapes()) {
      writeBmp(resources / (shape.name + ".bmp"), shape.picture);
      hotspots << shape.name << ' ' << shape.id << ' ' << shape.hotX << ' ' << shape.hotY << '\n';
    }
    if (!hotspots) throw std::runtime_error("cannot write " + (resources / "POINTERS.TXT").string());
  });
  for (const std::string& name : soundFileNames()) {
    jobs.push_back([=](FontBook&) { writeWav(sounds / name, renderSound(name)); });
  }
  return jobs;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path home, fonts;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) home = argv[++i];
    else if (arg == "--fonts" && i + 1 < argc) fonts = argv[++i];
    else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (home.empty() || fonts.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    for (const char* folder : {"Images", "Resources", "SOUNDS"}) fs::create_directories(home / folder);
    const std::vector<Job> jobs = allJobs(home);
    std::atomic<std::size_t> next{0};
    std::mutex failureLock;
    std::string failure;
    auto work = [&] {
      FontBook book(fonts);
      for (std::size_t i = next++; i < jobs.size(); i = next++) {
        try {
          jobs[i](book);
        } catch (const std::exception& e) {
          const std::lock_guard lock(failureLock);
          if (failure.empty()) failure = e.what();
        }
      }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < workers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    if (!failure.empty()) throw std::runtime_error(failure);
  } catch (const std::exception& e) {
    std::cerr << "quilloro-artwork: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
