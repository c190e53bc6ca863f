// The render command's --scale-to option and the previews command's own checks.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/cli_preview_command.hpp"
#include "tools/cli_render_command.hpp"

namespace quilloro::cli {
namespace {

TEST(PreviewOptions, ScaleToTakesABoxOfSensibleSides) {
  const RenderOptions options =
      renderOptionsFrom(Arguments({"--game", "3", "--number", "12", "--size", "1200x740", "--scale-to", "300x185"}));
  EXPECT_EQ(options.game, 3);
  EXPECT_EQ(options.width, 1200);
  EXPECT_EQ(options.height, 740);
  ASSERT_TRUE(options.scaleTo);
  EXPECT_EQ(*options.scaleTo, std::make_pair(300, 185));
  EXPECT_FALSE(renderOptionsFrom(Arguments({"--game", "0", "--number", "1"})).scaleTo);

  for (const char* bad : {"300", "300x", "x185", "4x4", "300x99999", "-300x185", "300x185x2"})
    EXPECT_THROW(renderOptionsFrom(Arguments({"--game", "0", "--number", "1", "--scale-to", bad})), UsageError)
        << bad;
  // The table itself still needs a window of at least 100 pixels a side.
  EXPECT_THROW(renderOptionsFrom(Arguments({"--game", "0", "--number", "1", "--size", "50x50"})), UsageError);
}

TEST(PreviewOptions, FileNamesAndTheOutputFolder) {
  EXPECT_EQ(previewFileName(0), "GAME0000.bmp");
  EXPECT_EQ(previewFileName(7), "GAME0007.bmp");
  EXPECT_EQ(previewFileName(60), "GAME0060.bmp");
  std::ostringstream out;
  EXPECT_THROW(writePreviews(Arguments({"--number", "1"}), out), UsageError);
  EXPECT_THROW(writePreviews(Arguments({"--output", "/tmp"}), out), UsageError);  // no --number
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace quilloro::cli
