#include <vector>

#include "tests/support/display_env.h"

namespace {

// A picture of width × height pixels numbered 1, 2, 3, … row by row; listed pixels are 0.
std::vector<uint16_t> Numbered(int width, int height) {
    std::vector<uint16_t> picture{static_cast<uint16_t>(width), static_cast<uint16_t>(height)};
    for (int i = 0; i < width * height; ++i) picture.push_back(static_cast<uint16_t>(i + 1));
    return picture;
}

std::size_t Bytes(const std::vector<uint16_t>& picture) {
    return picture.size() * 2;
}

class PicturesTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
        ClearPage(0x1111);
    }
};

TEST_F(PicturesTest, DrawPictureSkipsZeroPixels) {
    std::vector<uint16_t> picture = Numbered(4, 2);
    picture[2 + 1] = 0;
    picture[2 + 2] = 0;
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 10, 20), 1);
    EXPECT_EQ(pixel(10, 20), 1);
    EXPECT_EQ(pixel(11, 20), 0x1111);
    EXPECT_EQ(pixel(12, 20), 0x1111);
    EXPECT_EQ(pixel(13, 20), 4);
    EXPECT_EQ(pixel(13, 21), 8);
    EXPECT_EQ(pixel(14, 21), 0x1111);
}

TEST_F(PicturesTest, NarrowAndEmptyPicturesDrawNothing) {
    const std::vector<uint16_t> narrow = Numbered(3, 5);
    EXPECT_EQ(DrawPicture(narrow.data(), Bytes(narrow), 0, 0), 0);
    const std::vector<uint16_t> flat = Numbered(8, 0);
    EXPECT_EQ(DrawPicture(flat.data(), Bytes(flat), 0, 0), 0);
    EXPECT_EQ(count(0x1111), 640 * 480);
}

TEST_F(PicturesTest, PicturesAreClippedAtEveryEdge) {
    const std::vector<uint16_t> picture = Numbered(10, 10);
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 635, 475), 1);
    EXPECT_EQ(pixel(639, 479), 4 * 10 + 4 + 1);  // row 4, column 4
    EXPECT_EQ(count(0x1111), 640 * 480 - 25);

    ClearPage(0x1111);
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), -3, -2), 1);
    EXPECT_EQ(pixel(0, 0), 2 * 10 + 3 + 1);  // source row 2, column 3
    EXPECT_EQ(count(0x1111), 640 * 480 - 7 * 8);

    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 640, 0), 0);
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 0, -10), 0);
}

TEST_F(PicturesTest, CopyPictureIsOpaqueAndNeedsMoreThanFourVisibleColumns) {
    std::vector<uint16_t> picture = Numbered(8, 2);
    picture[2] = 0;
    CopyPicture(picture.data(), Bytes(picture), 100, 100);
    EXPECT_EQ(pixel(100, 100), 0);  // zeros are copied too
    EXPECT_EQ(pixel(107, 101), 16);

    ClearPage(0x1111);
    CopyPicture(picture.data(), Bytes(picture), 636, 0);  // 4 columns visible
    EXPECT_EQ(count(0x1111), 640 * 480);
    CopyPicture(picture.data(), Bytes(picture), 635, 0);  // 5 columns visible
    EXPECT_EQ(count(0x1111), 640 * 480 - 10);
    EXPECT_EQ(pixel(639, 1), 13);
}

TEST_F(PicturesTest, PicturesLargerThanTheirDataAreRefused) {
    std::vector<uint16_t> picture = Numbered(16, 16);
    picture[1] = 17;  // one row more than the buffer holds
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 0, 0), 0);
    CopyPicture(picture.data(), Bytes(picture), 0, 0);
    EXPECT_EQ(DrawPicture(picture.data(), 2, 0, 0), 0);  // not even a header
    EXPECT_EQ(DrawPicture(nullptr, 100, 0, 0), 0);
    EXPECT_EQ(count(0x1111), 640 * 480);
    // The top bit of the width is a flag, not a size.
    picture[0] = 0x8000 | 16;
    picture[1] = 16;
    EXPECT_EQ(DrawPicture(picture.data(), Bytes(picture), 0, 0), 1);
    EXPECT_EQ(pixel(15, 15), 256);
}

TEST_F(PicturesTest, GrabPictureClipsAndRecordsItsSize) {
    for (int x = 0; x < 8; ++x) setPixel(x, 3, static_cast<uint16_t>(100 + x));
    std::vector<uint16_t> buffer(2 + 64, 0xEEEE);
    EXPECT_EQ(GrabPicture(buffer.data(), buffer.size() * 2, 2, 3, 0, 0), 1);
    EXPECT_EQ(buffer[0], 4);  // width raised to 4, height to 1
    EXPECT_EQ(buffer[1], 1);
    EXPECT_EQ(buffer[2], 102);
    EXPECT_EQ(buffer[5], 105);
    EXPECT_EQ(buffer[6], 0xEEEE);

    EXPECT_EQ(GrabPicture(buffer.data(), buffer.size() * 2, -2, 3, 6, 1), 1);
    EXPECT_EQ(buffer[0], 4);  // two columns cut off on the left
    EXPECT_EQ(buffer[2], 100);

    EXPECT_EQ(GrabPicture(buffer.data(), buffer.size() * 2, 700, 3, 8, 8), 1);
    EXPECT_EQ(buffer[0], 0);  // completely right of the clip
    EXPECT_EQ(buffer[1], 8);

    EXPECT_EQ(GrabPicture(buffer.data(), buffer.size() * 2, 0, 0, 9, 9), 0);  // does not fit
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0);
}

TEST_F(PicturesTest, GrabbedAreaCopiesBackExactly) {
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) setPixel(200 + x, 100 + y, static_cast<uint16_t>(y * 20 + x));
    }
    std::vector<uint16_t> buffer(2 + 20 * 20);
    ASSERT_EQ(GrabPicture(buffer.data(), buffer.size() * 2, 200, 100, 20, 20), 1);
    CopyPicture(buffer.data(), buffer.size() * 2, 10, 10);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) ASSERT_EQ(pixel(10 + x, 10 + y), y * 20 + x);
    }
}

}  // namespace
