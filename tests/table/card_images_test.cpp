// Card pictures: file names, the cells of the suit sheets, and what a missing or damaged picture does.
#include <gtest/gtest.h>

#include <fstream>

#include "table/card_image_files.hpp"
#include "table/card_images.hpp"
#include "tests/table/render_test_pictures.hpp"

namespace quilloro {
namespace {

using testing::faceColour;
using testing::PictureFolder;
using testing::RecordingProblems;

TEST(CardImageFiles, NamesAndTheMissingFileText) {
  EXPECT_EQ(faceSheetFileName('P', 12, Suit::Spades), "CP012S.bmp");
  EXPECT_EQ(backFileName('B', 11), "DB011.bmp");
  EXPECT_EQ(markFileName('M', 22), "WM022.bmp");
  EXPECT_EQ(backgroundFileName(5), "B005.bmp");
  EXPECT_EQ(missingImageText("/opt/q/Images/CB001H.bmp"),
            "Cannot find images file:\r/opt/q/Images/CB001H.bmp\rSome program components cannot be shown correctly.\r"
            "Copy the file into the directory that above is specified\ror reinstall the program.");
}

TEST(CardImageFiles, CatalogueCountsSetsBacksAndBackgrounds) {
  PictureFolder folder;
  folder.writeCardSet(kCardSizeNormal, 1, 1);
  folder.writeCardSet(kCardSizeNormal, 2, 2);
  folder.writeCardSet(kCardSizeMiniature, 1, 1);
  const PixelSurface tile(4, 4);
  for (const char* name : {"B500.bmp", "b003.bmp", "B001.bmp", "Bxyz.bmp", "B002.txt"}) folder.write(name, tile);
  const ImageCatalogue catalogue = ImageCatalogue::scan(folder.images());
  EXPECT_EQ(catalogue.normalCardFiles, 8);
  EXPECT_EQ(catalogue.normalCardSets(), 2);
  EXPECT_EQ(catalogue.normalBackFiles, 2);
  EXPECT_EQ(catalogue.backgrounds, (std::vector<std::string>{"b001.bmp", "b003.bmp", "b500.bmp"}));
  // A lower-cased copy is found under the program's name for it.
  EXPECT_TRUE(ImageFolders::find(folder.images(), "B003.bmp"));
  EXPECT_FALSE(ImageFolders::find(folder.images(), "B004.bmp"));
}

TEST(CardImages, SheetCellsBecomeTheFacesInRowsOfFive) {
  PictureFolder folder;
  folder.writeCardSet(kCardSizeMiniature, 4, 9);
  RecordingProblems problems;
  CardImages images(ImageFolders(folder.home()), &problems);
  ASSERT_TRUE(images.load(kCardSizeMiniature, 4, 9));
  EXPECT_TRUE(problems.texts.empty());
  for (const CardNumber card : {1, 5, 6, 11, 13, 14, 39, 40, 52}) {
    const PixelSurface& face = images.face(card);
    ASSERT_EQ(face.width() * 100 + face.height(), 2532);
    EXPECT_EQ(face.pixel(0, 0), faceColour(card)) << card;
    EXPECT_EQ(face.pixel(24, 31), faceColour(card)) << card;
  }
  // The second pack shows the first pack's pictures: card 66 is the ace of diamonds.
  EXPECT_EQ(images.face(66), images.face(14));
  EXPECT_EQ(images.face(104), images.face(52));
  ASSERT_NE(images.markImage(mark::kBaseKing), nullptr);
  EXPECT_EQ(images.markImage(mark::kBaseKing)->pixel(0, 0), testing::markColour(11));
  EXPECT_EQ(images.markImage(5), nullptr);  // no mark of that code is read
}

TEST(CardImages, MissingPictureIsReportedOnceAndStandInsFollow) {
  PictureFolder folder;
  folder.writeCardSet(kCardSizeMiniature);
  std::filesystem::remove(folder.images() / "CP001D.bmp");
  std::filesystem::remove(folder.images() / "WP007.bmp");
  RecordingProblems problems;
  CardImages images(ImageFolders(folder.home()), &problems);
  EXPECT_FALSE(images.load(kCardSizeMiniature, 1, 11));
  ASSERT_EQ(problems.texts.size(), 1u);
  EXPECT_EQ(problems.titles[0], "Error");
  EXPECT_EQ(problems.texts[0], missingImageText(folder.images() / "CP001D.bmp"));
  // The diamonds show plain stand-in cards of the right size; the other suits are there.
  EXPECT_EQ(images.face(14).width(), 25);
  EXPECT_NE(images.face(14).pixel(5, 5), faceColour(14));
  EXPECT_EQ(images.face(27).pixel(5, 5), faceColour(27));
  EXPECT_EQ(images.markImage(mark::kPlainTableau), nullptr);
}

TEST(CardImages, DamagedOrTooSmallPicturesAreRefused) {
  PictureFolder folder;
  folder.writeCardSet(kCardSizeMiniature);
  {
    std::ofstream cut(folder.images() / "CP001S.bmp", std::ios::binary | std::ios::trunc);
    cut << "BM\x10\x00";
  }
  folder.write("DP011.bmp", PixelSurface(10, 10));
  RecordingProblems problems;
  CardImages images(ImageFolders(folder.home()), &problems);
  EXPECT_FALSE(images.load(kCardSizeMiniature, 1, 11));
  ASSERT_EQ(problems.texts.size(), 1u);
  EXPECT_TRUE(problems.texts[0].starts_with("Cannot read images file:\r")) << problems.texts[0];
  EXPECT_EQ(images.face(40).width(), 25);

}

}  // namespace
}  // namespace quilloro
