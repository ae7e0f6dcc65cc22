#include "tests/markup/dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zevadar::markup::testing {
namespace {

std::string ColorText(const Color& color) {
    char text[16];
    if (color.IsSystem()) {
        std::snprintf(text, sizeof text, "sys%d", color.system);
    } else {
        std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(color.rgb));
    }
    return text;
}

std::string RectText(const Rect& r) {
    std::ostringstream out;
    out << r.left << ',' << r.top << '-' << r.right << ',' << r.bottom;
    return out.str();
}

std::string FontText(const FontSpec& font) {
    std::string text = font.face + '/' + std::to_string(font.height);
    if (font.bold) text += "/bold";
    if (font.italic) text += "/italic";
    if (font.underline) text += "/underline";
    if (font.strikeOut) text += "/strike";
    return text;
}

// Bytes outside printable ASCII as \xNN, so the references stay plain text.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

struct ItemPrinter {
    std::ostringstream& out;
    const FakeMeasurer& fonts;

    void operator()(const TextRun& run) const {
        out << "text " << Quoted(run.text) << " at " << run.x << ',' << run.y << " size "
            << run.width << 'x' << run.height << ' ' << FontText(fonts.Spec(run.font)) << ' '
            << ColorText(run.color);
        if (run.background) out << " on " << ColorText(*run.background);
        if (run.underlined >= 0) out << " underlined " << run.underlined;
        out << '\n';
    }
    void operator()(const Fill& fill) const {
        out << "fill " << RectText(fill.rect) << ' ' << ColorText(fill.from);
        if (fill.to != fill.from) {
            out << " to " << ColorText(fill.to) << (fill.vertical ? " vertical" : " horizontal");
        }
        out << '\n';
    }
    void operator()(const HorizontalLine& line) const {
        out << "line " << line.left << '-' << line.right << " at " << line.y << ' '
            << ColorText(line.color) << '\n';
    }
    void operator()(const Zigzag& zigzag) const {
        out << "zigzag " << RectText(zigzag.rect) << ' ' << ColorText(zigzag.color) << '\n';
    }
    void operator()(const Picture& picture) const {
        out << "picture " << RectText(picture.rect) << ' ' << Quoted(picture.source) << '\n';
    }
};

}  // namespace

std::string Dump(const DisplayList& list, const FakeMeasurer& fonts) {
    std::ostringstream out;
    out << "block " << list.textBlock.width << 'x' << list.textBlock.height << '\n';
    for (const DisplayItem& item : list.items) std::visit(ItemPrinter{out, fonts}, item);
    for (const LinkBox& link : list.links) {
        out << "link " << RectText(link.rect) << ' ' << Quoted(link.target) << '\n';
    }
    return out.str();
}

void ExpectMatchesReference(std::string_view name, const std::string& dump) {
    const std::string path =
        std::string(ZEVADAR_MARKUP_REFERENCES) + '/' + std::string(name) + ".txt";
    const char* update = std::getenv("ZEVADAR_UPDATE_REFERENCES");
    if (update && std::string_view(update) == "1") {
        std::ofstream(path, std::ios::binary) << dump;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no reference " << path;
    std::ostringstream expected;
    expected << in.rdbuf();
    if (expected.str() != dump) {
        std::ofstream(std::string(name) + ".FAILED.txt", std::ios::binary) << dump;
    }
    EXPECT_EQ(expected.str(), dump) << "reference " << path;
}

}  // namespace zevadar::markup::testing
