// The executable's resources as the program loads them: pictures, icons, manifest and version.
#include "window/picture_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_ids.h"

namespace zevadar::window {
namespace {

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

std::uint32_t PixelAt(const Picture& picture, int x, int y) {
    return picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
}

int Channel(std::uint32_t argb, int shift) {
    return static_cast<int>((argb >> shift) & 0xFF);
}

// True when every channel of the two 0xAARRGGBB values differs by at most `tolerance`.
bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) return false;
    }
    return true;
}

// The bytes of a resource, or empty.
std::string_view ResourceBytes(LPCSTR type, LPCSTR name, WORD language) {
    HRSRC found = FindResourceExA(Module(), type, name, language);
    HGLOBAL loaded = found ? LoadResource(Module(), found) : nullptr;
    if (!loaded) return {};
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(Module(), found)};
}

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class PictureTest : public testing::Test {
protected:
    // WIC is a COM server.
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

struct SizeCase {
    int id;
    int width;
    int height;
};

TEST_F(PictureTest, PicturesDecodeAtTheirSizes) {
    for (const SizeCase& c :
         {SizeCase{IDR_BACKGROUND, 530, 360}, SizeCase{IDR_ICON_LARGE, 128, 128}}) {
        const Picture picture = LoadPicture(Module(), c.id);
        ASSERT_TRUE(picture.bitmap) << "resource " << c.id;
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
        BITMAP info{};
        ASSERT_EQ(GetObjectA(picture.bitmap.get(), sizeof(info), &info), int{sizeof(info)});
        EXPECT_EQ(info.bmBitsPixel, 32);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
    }
}

struct PixelCase {
    int id;
    int x;
    int y;
    std::uint32_t argb;  // premultiplied
    int tolerance;
    const char* what;
};

TEST_F(PictureTest, PixelsHaveTheirColourAndAlpha) {
    const std::vector<PixelCase> cases = {
        {IDR_BACKGROUND, 100, 180, 0xFF7EB1E5, 2, "light-blue field"},
        {IDR_BACKGROUND, 0, 180, 0xFFBFD8EF, 2, "field brightened at the window's edge"},
        {IDR_BACKGROUND, 10, 180, 0xFFA3C7EB, 12, "field brightening toward the edge"},
        {IDR_BACKGROUND, 174, 200, 0xFF5E85AC, 2, "panel outline, left"},
        {IDR_BACKGROUND, 517, 100, 0xFF5E85AC, 2, "panel outline, right"},
        {IDR_BACKGROUND, 300, 200, 0xFFFFFFFF, 0, "white panel"},
        {IDR_ICON_LARGE, 0, 0, 0x00000000, 0, "transparent corner"},
        {IDR_ICON_LARGE, 79, 79, 0x00000000, 0, "bore of the grey gear"},
        {IDR_ICON_LARGE, 79, 113, 0xFF9BA1A9, 24, "rim of the grey gear"},
        {IDR_ICON_LARGE, 21, 21, 0xFF8CBCEA, 24, "rim of the blue gear"},
    };
    for (const PixelCase& c : cases) {
        const Picture picture = LoadPicture(Module(), c.id);
        ASSERT_TRUE(picture.bitmap) << c.what;
        const std::uint32_t actual = PixelAt(picture, c.x, c.y);
        EXPECT_TRUE(Near(actual, c.argb, c.tolerance))
            << c.what << " at (" << c.x << ", " << c.y << "): " << std::hex << actual;
    }
}

// AlphaBlend needs premultiplied colour: no channel may exceed the pixel's alpha.
TEST_F(PictureTest, IconPixelsArePremultiplied) {
    const Picture icon = LoadPicture(Module(), IDR_ICON_LARGE);
    ASSERT_TRUE(icon.bitmap);
    int translucent = 0;
    for (std::uint32_t pixel : icon.pixels) {
        const int alpha = Channel(pixel, 24);
        if (alpha > 0 && alpha < 255) ++translucent;
        for (int shift : {0, 8, 16}) ASSERT_LE(Channel(pixel, shift), alpha) << std::hex << pixel;
    }
    EXPECT_GT(translucent, 0) << "anti-aliased edges have partial alpha";
}

TEST_F(PictureTest, MissingPictureIsEmpty) {
    const Picture picture = LoadPicture(Module(), 999);
    EXPECT_FALSE(picture.bitmap);
    EXPECT_TRUE(picture.pixels.empty());
}

// Fills a picture with one opaque colour, the ground things are drawn onto.
Picture Ground(int width, int height, std::uint32_t argb) {
    Picture ground = CreatePicture(width, height);
    for (std::uint32_t& pixel : ground.pixels) pixel = argb;
    return ground;
}

TEST_F(PictureTest, DrawPictureBlendsByAlphaAtItsPosition) {
    const Picture icon = LoadPicture(Module(), IDR_ICON_LARGE);
    ASSERT_TRUE(icon.bitmap);
    constexpr std::uint32_t kGround = 0xFF7EB1E5;
    constexpr int kLeft = 7;
    constexpr int kTop = 11;
    Picture ground = Ground(icon.width + 20, icon.height + 20, kGround);
    {
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.get(), ground.bitmap.get());
        DrawPicture(dc.get(), icon, kLeft, kTop);
        GdiFlush();
    }
    int mismatches = 0;
    for (int y = 0; y < ground.height; ++y) {
        for (int x = 0; x < ground.width; ++x) {
            const bool inside =
                x >= kLeft && x < kLeft + icon.width && y >= kTop && y < kTop + icon.height;
            std::uint32_t expected = kGround;
            if (inside) {
                // Premultiplied "over": source plus the ground weakened by the source's alpha.
                const std::uint32_t source = PixelAt(icon, x - kLeft, y - kTop);
                const int keep = 255 - Channel(source, 24);
                expected = 0;
                for (int shift : {0, 8, 16, 24}) {
                    const int value = Channel(source, shift) + Channel(kGround, shift) * keep / 255;
                    expected |= static_cast<std::uint32_t>(value) << shift;
                }
            }
            if (!Near(PixelAt(ground, x, y), expected, 2) && ++mismatches <= 5) {
                ADD_FAILURE() << "(" << x << ", " << y << "): " << std::hex << PixelAt(ground, x, y)
                              << " instead of " << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(PictureTest, GoIconIsAGreenButtonWithAWhiteTick) {
    const UniqueIcon icon = LoadIconSized(Module(), IDI_GO, 24);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    const UniqueBitmap color(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP colorInfo{};
    ASSERT_TRUE(GetObjectA(color.get(), sizeof(colorInfo), &colorInfo));
    EXPECT_EQ(colorInfo.bmWidth, 24);
    EXPECT_EQ(colorInfo.bmHeight, 24);

    constexpr std::uint32_t kMagenta = 0xFFFF00FF;
    Picture ground = Ground(24, 24, kMagenta);
    {
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.get(), ground.bitmap.get());
        ASSERT_TRUE(DrawIconEx(dc.get(), 0, 0, icon.get(), 24, 24, 0, nullptr, DI_NORMAL));
        GdiFlush();
    }
    // DrawIconEx leaves the ground's alpha undefined, so only red, green and blue count.
    const std::vector<PixelCase> cases = {
        {IDI_GO, 0, 0, kMagenta, 0, "transparent corner"},
        {IDI_GO, 4, 12, 0xFF54B551, 24, "green button"},
        {IDI_GO, 12, 18, 0xFF369E39, 24, "green button, lower part"},
        {IDI_GO, 10, 15, 0xFFFFFFFF, 8, "white tick"},
    };
    for (const PixelCase& c : cases) {
        const std::uint32_t actual = PixelAt(ground, c.x, c.y) | 0xFF000000;
        EXPECT_TRUE(Near(actual, c.argb, c.tolerance))
            << c.what << " at (" << c.x << ", " << c.y << "): " << std::hex << actual;
    }
}

// The icon group must hold each size itself, not leave it to scaling; 32 bpp carries the alpha.
TEST(ApplicationIcon, HoldsEachSizeWithAlpha) {
    const std::string_view group = ResourceBytes(RT_GROUP_ICON, "MAINICON", kEnglishUs);
    ASSERT_FALSE(group.empty());
    for (int size : {16, 32, 48}) {
        // The lookup only reads the directory, though it takes it as writable.
        auto* directory = reinterpret_cast<BYTE*>(const_cast<char*>(group.data()));
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        const std::string_view image = ResourceBytes(RT_ICON, MAKEINTRESOURCEA(id), kEnglishUs);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER)) << size;
        BITMAPINFOHEADER header{};
        std::memcpy(&header, image.data(), sizeof(header));
        EXPECT_EQ(header.biWidth, size);
        EXPECT_EQ(header.biHeight, 2 * size);  // colour and mask
        EXPECT_EQ(header.biBitCount, 32) << size;
    }
}

TEST(Manifest, SelectsCommonControlsSixForEitherArchitecture) {
    const std::string_view manifest =
        ResourceBytes(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID, kEnglishUs);
    using testing::HasSubstr;
    EXPECT_THAT(std::string(manifest), HasSubstr(R"(name="Microsoft.Windows.Common-Controls")"));
    EXPECT_THAT(std::string(manifest), HasSubstr(R"(version="6.0.0.0")"));
    EXPECT_THAT(std::string(manifest), HasSubstr(R"(processorArchitecture="*")"));
    EXPECT_THAT(std::string(manifest), testing::Not(HasSubstr("X86")));
}

TEST(VersionResource, NamesTheProductAndVersion) {
    const std::string_view resource =
        ResourceBytes(RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO), kEnglishUs);
    ASSERT_FALSE(resource.empty());
    // VerQueryValue may write into its block, so it gets a copy.
    std::vector<char> block(resource.begin(), resource.end());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    struct StringCase {
        const char* key;
        const char* value;
    };
    for (const StringCase& c :
         {StringCase{"ProductName", "Zevadar"}, StringCase{"ProductVersion", "1.0.0.0"},
          StringCase{"FileVersion", "1.0.0.0"}}) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + c.key;
        ASSERT_TRUE(
            VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << c.key;
        EXPECT_STREQ(value, c.value);
    }
}

}  // namespace
}  // namespace zevadar::window
