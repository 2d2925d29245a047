#include "assets/Assets.h"
#include "assets/PngImage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct PictureCase {
    const char* file;
    int width;
    int height;
};

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, EmbeddedPictureDecodesAtItsFormSize) {
    const QImage image = decodePng(assetBytes(GetParam().file));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(
    Assets, PictureTest,
    ::testing::Values(PictureCase{"background.png", 500, 320}, PictureCase{"strip.png", 440, 10},
                      PictureCase{"slider.png", 50, 3}, PictureCase{"minimise.png", 30, 30},
                      PictureCase{"minimise_hover.png", 30, 30}, PictureCase{"close.png", 30, 30},
                      PictureCase{"close_hover.png", 30, 30}, PictureCase{"emblem.png", 60, 60},
                      PictureCase{"emblem_hover.png", 60, 60}, PictureCase{"exit.png", 60, 60},
                      PictureCase{"exit_hover.png", 60, 60}),
    [](const auto& info) {
        std::string name = info.param.file;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

TEST(Assets, IconHoldsFourSizesAtThreeDepthsAllDecoded) {
    const QList<IconImage> images = decodeIconFile(assetBytes("quorvell.ico"));
    std::set<std::pair<int, int>> found;
    for (const IconImage& image : images) {
        EXPECT_EQ(image.image.size(), QSize(image.width, image.height));
        found.insert({image.width, image.bitsPerPixel});
        // A palette image still has a transparent corner and an opaque middle.
        EXPECT_EQ(qAlpha(image.image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.image.pixel(image.width / 2, image.height / 2)), 255);
    }
    std::set<std::pair<int, int>> expected;
    for (int size : {16, 32, 48, 256}) {
        for (int bits : {4, 8, 32}) {
            expected.insert({size, bits});
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(programIcon().isNull());
}

TEST(Assets, DamagedDataGivesNothingAndNeverCrashes) {
    EXPECT_TRUE(decodePng("").isNull());
    EXPECT_TRUE(decodePng("not a picture at all").isNull());
    QByteArray truncated = assetBytes("background.png");
    truncated.truncate(truncated.size() / 2);
    EXPECT_TRUE(decodePng(truncated).isNull());
    QByteArray corrupt = assetBytes("strip.png");
    for (qsizetype i = 40; i < corrupt.size(); i += 7) {
        corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
    }
    EXPECT_TRUE(decodePng(corrupt).isNull());

    EXPECT_TRUE(decodeIconFile("").isEmpty());
    QByteArray icon = assetBytes("quorvell.ico");
    EXPECT_TRUE(decodeIconFile(icon.left(20)).isEmpty()) << "directory cut short";
    // An entry pointing past the end is skipped; the others still decode.
    QByteArray badEntry = icon;
    badEntry[6 + 12] = '\xFF';
    badEntry[6 + 13] = '\xFF';
    badEntry[6 + 14] = '\xFF';
    EXPECT_EQ(decodeIconFile(badEntry).size(), 11);
    EXPECT_TRUE(assetPicture("no-such-picture.png").isNull());
}

} // namespace
