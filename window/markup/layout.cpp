#include "window/markup/layout.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "window/markup/entities.h"
#include "window/markup/tokenizer.h"

namespace zevadar::markup {
namespace {

constexpr int kListIndent = 12;
constexpr int kMaxListLevel = 32;
constexpr int kMaxPoints = 400;  // font sizes beyond this are taken as this
constexpr int kRuleSpace = 2;    // the rule's own line and a pixel below it
constexpr int kZigzagHeight = 3;
constexpr int kFarRight = 1 << 24;  // lines stop growing here, long past any label's edge

enum class Align { Left, Center, Right };
enum class PictureAlign { Bottom, Middle, Top };

struct Style {
    FontSpec font;
    Color color;
    std::optional<Color> background;
    std::string target;  // while in an anchor
    bool anchor = false;
    bool highlight = false;
    int shift = 0;  // 1 superscript, -1 subscript
    bool shadow = false;
    bool error = false;
    bool hidden = false;
};

struct Paragraph {
    Align align = Align::Left;
    int indent = 0;
    std::optional<Color> background;
    std::optional<Color> backgroundTo;
};

// Something placed on the current line; its vertical place is known when the line ends.
struct Placed {
    Placed(std::variant<TextRun, Picture> placedItem, int left, int placedWidth, int placedHeight)
        : item(std::move(placedItem)), x(left), width(placedWidth), height(placedHeight) {}

    std::variant<TextRun, Picture> item;
    int x;
    int width;
    int height;
    int raise = 0;  // pixels up (superscript) or down (negative, subscript)
    PictureAlign pictureAlign = PictureAlign::Bottom;
    bool shadow = false;
    bool error = false;
    std::optional<std::string> link;
};

std::optional<int> ToInt(const std::optional<std::string>& value) {
    if (!value) return std::nullopt;
    int number = 0;
    const char* first = value->data();
    const char* last = first + value->size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end == first) return std::nullopt;
    return number;
}

// Font sizes of the markup are points; labels are never scaled, so a point is 96/72 pixels.
int PointsToHeight(int points) {
    const int clamped = std::clamp(points, 1, kMaxPoints);
    return -((clamped * 96 + 36) / 72);
}

int SizeAttributeToPoints(int size) {
    constexpr int kPoints[] = {8, 10, 12, 14, 16};
    return size >= 1 && size <= 5 ? kPoints[size - 1] : size;
}

// Removes line breaks: the lines of a label's markup are joined without a separator.
std::string JoinLines(std::string_view markup) {
    std::string joined;
    joined.reserve(markup.size());
    for (char c : markup) {
        if (c != '\r' && c != '\n') joined += c;
    }
    return joined;
}

class Layouter {
public:
    Layouter(std::string_view markup, const LayoutOptions& options, Measurer& measurer)
        : options_(options), measurer_(measurer), literalAmpersands_(HasSpacedAmpersand(markup)) {
        style_.font = options.baseFont;
        style_.color = options.baseColor;
        lineFont_ = CurrentFont();
        x_ = LineStart();
    }

    DisplayList Run(std::string_view markup) {
        Tokenizer tokenizer(markup);
        while (!stopped_) {
            const std::optional<Token> token = tokenizer.Next();
            if (!token) break;
            switch (token->kind) {
                case TokenKind::Text:
                    AddText(token->text);
                    break;
                case TokenKind::Tag:
                    Open(token->tag, token->text);
                    break;
                case TokenKind::EndTag:
                    Close(token->tag);
                    break;
            }
        }
        if (!stopped_ && linePieces_ > 0) FinishLine();
        list_.textBlock = {widest_ + 2, top_ + 2};
        return std::move(list_);
    }

private:
    int LineStart() const { return 1 + paragraph_.indent; }

    FontId CurrentFont() { return measurer_.Font(style_.font); }

    void AddText(std::string_view run) {
        if (style_.hidden) return;
        // A piece is the text up to and including the next blank; lines break only there.
        while (!run.empty() && !stopped_) {
            const std::size_t blank = run.find(' ');
            const std::size_t length = blank == std::string_view::npos ? run.size() : blank + 1;
            AddPiece(run.substr(0, length));
            run.remove_prefix(length);
        }
    }

    void AddPiece(std::string_view raw) {
        DecodedText decoded = DecodeText(raw, literalAmpersands_);
        if (decoded.text.empty()) return;
        const FontId font = CurrentFont();
        const int width = measurer_.TextWidth(font, decoded.text);
        const int height = measurer_.Metrics(font).height;
        if (!MakeRoom(width)) return;

        TextRun run;
        run.text = std::move(decoded.text);
        run.font = font;
        run.color = style_.highlight ? Color::System(kSystemHighlightText) : style_.color;
        run.background =
            style_.highlight ? std::optional(Color::System(kSystemHighlight)) : style_.background;
        run.width = width;
        run.height = height;
        run.underlined = decoded.underlined;
        Placed placed{std::move(run), x_, width, height};
        placed.raise = style_.shift * (height / 4);
        placed.shadow = style_.shadow;
        placed.error = style_.error;
        if (style_.anchor) placed.link = style_.target;
        Place(std::move(placed), raw.back() == ' ');
    }

    // Starts the next line when a piece of this width does not fit; false once nothing more
    // is drawn. A piece stays put when it is the line's first, at least as wide as the whole
    // line, or follows text that does not end in a blank.
    bool MakeRoom(int width) {
        const bool fits = x_ + width < options_.width;
        if (!fits && linePieces_ > 0 && width < options_.width - LineStart() && endsInBlank_) {
            FinishLine();
        }
        return !stopped_;
    }

    // A piece that starts past the right edge is never seen, nor pressed: it only counts for
    // the line's height and width. So a line that never breaks costs no memory.
    void Place(Placed placed, bool endsInBlank) {
        lineAbove_ = std::max(lineAbove_, placed.height + std::max(placed.raise, 0));
        lineBelow_ = std::max(lineBelow_, std::max(-placed.raise, 0));
        ++linePieces_;
        const bool visible = placed.x < options_.width;
        x_ += std::clamp(placed.width, 0, kFarRight - x_);
        endsInBlank_ = endsInBlank;
        if (visible) line_.push_back(std::move(placed));
    }

    void Open(TagKind tag, std::string_view text) {
        switch (tag) {
            case TagKind::Bold:
                style_.font.bold = true;
                break;
            case TagKind::Italic:
                style_.font.italic = true;
                break;
            case TagKind::Underline:
                style_.font.underline = true;
                break;
            case TagKind::Strike:
                style_.font.strikeOut = true;
                break;
            case TagKind::Font:
                OpenFont(text);
                break;
            case TagKind::Anchor:
                style_.anchor = true;
                style_.target = FirstQuoted(text);
                style_.font.underline = true;
                style_.color = options_.urlColor;
                break;
            case TagKind::Break:
                FinishLine();
                break;
            case TagKind::Rule:
                Rule();
                break;
            case TagKind::Highlight:
                style_.highlight = true;
                break;
            case TagKind::Paragraph:
                OpenParagraph(text);
                break;
            case TagKind::List:
                BreakIfUsed();
                level_ = std::min(level_ + 1, kMaxListLevel);
                break;
            case TagKind::ListItem:
                Bullet();
                break;
            case TagKind::Indent:
                if (const std::optional<int> n = ToInt(Attribute(text, "X", false))) {
                    x_ = std::max(x_, 1 + std::clamp(*n, 0, options_.width));
                }
                break;
            case TagKind::Sub:
                style_.shift = -1;
                break;
            case TagKind::Sup:
                style_.shift = 1;
                break;
            case TagKind::Shadow:
                style_.shadow = true;
                break;
            case TagKind::Error:
                style_.error = true;
                break;
            case TagKind::Hidden:
                style_.hidden = true;
                break;
            case TagKind::Image:
                Image(text);
                break;
            case TagKind::Body:
                Body(text);
                break;
        }
    }

    void Close(TagKind tag) {
        switch (tag) {
            case TagKind::Bold:
                style_.font.bold = false;
                break;
            case TagKind::Italic:
                style_.font.italic = false;
                break;
            case TagKind::Underline:
                style_.font.underline = false;
                break;
            case TagKind::Strike:
                style_.font.strikeOut = false;
                break;
            case TagKind::Font:
                style_.font.face = options_.baseFont.face;
                style_.font.height = options_.baseFont.height;
                style_.color = options_.baseColor;
                style_.background.reset();
                break;
            case TagKind::Anchor:
                style_.anchor = false;
                style_.target.clear();
                style_.font.underline = false;
                style_.color = options_.baseColor;
                break;
            case TagKind::Highlight:
                style_.highlight = false;
                break;
            case TagKind::Paragraph:
                FinishLine();
                paragraph_ = {};
                x_ = LineStart();
                break;
            case TagKind::List:
                level_ = std::max(level_ - 1, 0);
                break;
            case TagKind::ListItem:
                FinishLine();
                break;
            case TagKind::Sub:
            case TagKind::Sup:
                style_.shift = 0;
                break;
            case TagKind::Shadow:
                style_.shadow = false;
                break;
            case TagKind::Error:
                style_.error = false;
                break;
            case TagKind::Hidden:
                style_.hidden = false;
                break;
            case TagKind::Break:
            case TagKind::Rule:
            case TagKind::Indent:
            case TagKind::Image:
            case TagKind::Body:
                break;
        }
    }

    void OpenFont(std::string_view text) {
        if (std::optional<std::string> face = Attribute(text, "FACE", true)) {
            style_.font.face = std::move(*face);
        }
        if (const std::optional<std::string> color = Attribute(text, "COLOR", true)) {
            style_.color = ParseColor(*color);
        }
        if (const std::optional<std::string> color = Attribute(text, "BGCOLOR", true)) {
            style_.background = ParseColor(*color);
        }
        if (const std::optional<int> size = ToInt(Attribute(text, "SIZE", true))) {
            style_.font.height = PointsToHeight(SizeAttributeToPoints(*size));
        }
    }

    void OpenParagraph(std::string_view text) {
        BreakIfUsed();
        paragraph_ = {};
        if (const std::optional<std::string> align = Attribute(text, "ALIGN", true)) {
            if (*align == "CENTER") paragraph_.align = Align::Center;
            if (*align == "RIGHT") paragraph_.align = Align::Right;
        }
        if (const std::optional<int> indent = ToInt(Attribute(text, "INDENT", true))) {
            paragraph_.indent = std::clamp(*indent, 0, std::max(options_.width, 0));
        }
        if (const std::optional<std::string> color = Attribute(text, "BGCOLOR", true)) {
            paragraph_.background = ParseColor(*color);
        }
        if (const std::optional<std::string> color = Attribute(text, "BGCOLORTO", true)) {
            paragraph_.backgroundTo = ParseColor(*color);
        }
        if (linePieces_ == 0) x_ = LineStart();
    }

    // The background of the whole label lies under everything drawn so far.
    void Body(std::string_view text) {
        const std::optional<std::string> from = Attribute(text, "BGCOLOR", true);
        if (!from) return;
        const std::optional<std::string> to = Attribute(text, "BGCOLORTO", true);
        const std::optional<std::string> dir = Attribute(text, "DIR", true);
        list_.items.emplace(list_.items.begin(), std::in_place_type<Fill>,
                            Fill{{0, 0, options_.width, options_.height},
                                 ParseColor(*from),
                                 ParseColor(to ? *to : *from),
                                 dir && dir->starts_with("V")});
    }

    void Bullet() {
        BreakIfUsed();
        if (style_.hidden) return;
        x_ = std::max(x_, LineStart() + kListIndent * level_);
        FontSpec symbol = style_.font;
        symbol.face = "Symbol";
        symbol.underline = symbol.strikeOut = false;
        const FontId font = measurer_.Font(symbol);
        TextRun run;
        run.text = "\xB7 ";
        run.font = font;
        run.color = style_.color;
        run.width = measurer_.TextWidth(font, run.text);
        run.height = measurer_.Metrics(font).height;
        const int width = run.width;
        const int height = run.height;
        Place(Placed{std::move(run), x_, width, height}, true);
    }

    void Image(std::string_view text) {
        if (style_.hidden) return;
        const std::optional<std::string> source = Attribute(text, "SRC", false);
        if (!source) return;
        Size size = measurer_.ImageSize(*source);
        size.width = ToInt(Attribute(text, "WIDTH", false)).value_or(size.width);
        size.height = ToInt(Attribute(text, "HEIGHT", false)).value_or(size.height);
        size.width = std::clamp(size.width, 0, std::max(options_.width, 0));
        size.height = std::clamp(size.height, 0, std::max(options_.height, 0));
        if (size.width == 0 || size.height == 0) return;
        if (!MakeRoom(size.width)) return;
        Placed placed{Picture{{}, *source}, x_, size.width, size.height};
        const std::optional<std::string> align = Attribute(text, "ALIGN", true);
        if (align == "TOP") placed.pictureAlign = PictureAlign::Top;
        if (align == "MIDDLE") placed.pictureAlign = PictureAlign::Middle;
        if (style_.anchor) placed.link = style_.target;
        Place(std::move(placed), false);
    }

    void Rule() {
        BreakIfUsed();
        if (stopped_) return;
        Add(HorizontalLine{0, options_.width, top_, kBlack});
        top_ += kRuleSpace;
    }

    // Constructs in place: moving a whole variant in makes GCC 12 warn of uninitialised strings.
    template <typename Item>
    void Add(Item&& item) {
        list_.items.emplace_back(std::in_place_type<std::decay_t<Item>>, std::forward<Item>(item));
    }

    void BreakIfUsed() {
        if (linePieces_ > 0) FinishLine();
    }

    // Gives the line its height and everything on it its place; then begins the next line if
    // a line in the font this one began with would still end inside the label.
    void FinishLine() {
        const int above = linePieces_ > 0 ? lineAbove_ : measurer_.Metrics(CurrentFont()).height;
        const int height = above + lineBelow_;
        const int start = LineStart();
        const int textWidth = x_ - start;
        int offset = 0;
        if (paragraph_.align == Align::Center) offset = (options_.width - start - textWidth) / 2;
        if (paragraph_.align == Align::Right) offset = options_.width - 1 - x_;
        offset = std::max(offset, 0);

        if (paragraph_.background) {
            Add(Fill{{0, top_, options_.width, top_ + height},
                     *paragraph_.background,
                     paragraph_.backgroundTo.value_or(*paragraph_.background)});
        }
        for (Placed& placed : line_) Emit(placed, offset, top_ + above, height);

        widest_ = std::max(widest_, textWidth);
        top_ += height;
        line_.clear();
        linePieces_ = lineAbove_ = lineBelow_ = 0;
        x_ = LineStart();
        endsInBlank_ = false;
        const int ghHeight = measurer_.Metrics(lineFont_).height;
        stopped_ = top_ + ghHeight > options_.height;
        lineFont_ = CurrentFont();
    }

    void Emit(Placed& placed, int offset, int baseline, int lineHeight) {
        const int x = placed.x + offset;
        int y = baseline - placed.height - placed.raise;
        if (auto* picture = std::get_if<Picture>(&placed.item)) {
            if (placed.pictureAlign == PictureAlign::Top) y = top_;
            if (placed.pictureAlign == PictureAlign::Middle) {
                y = top_ + (lineHeight - placed.height) / 2;
            }
            picture->rect = {x, y, x + placed.width, y + placed.height};
            Add(std::move(*picture));
        } else {
            auto& run = std::get<TextRun>(placed.item);
            run.x = x;
            run.y = y;
            if (placed.shadow) {
                TextRun shadow = run;
                shadow.x += options_.shadowOffset;
                shadow.y += options_.shadowOffset;
                shadow.color = options_.shadowColor;
                shadow.background.reset();
                Add(std::move(shadow));
            }
            Add(std::move(run));
            if (placed.error) {
                const int bottom = y + placed.height;
                Add(Zigzag{{x, bottom - kZigzagHeight, x + placed.width, bottom}, kRed});
            }
        }
        if (placed.link) {
            list_.links.push_back(
                {{x, y, x + placed.width, y + placed.height}, std::move(*placed.link)});
        }
    }

    const LayoutOptions& options_;
    Measurer& measurer_;
    const bool literalAmpersands_;
    Style style_;
    Paragraph paragraph_;
    int level_ = 0;
    std::vector<Placed> line_;  // what is visible of the current line
    int linePieces_ = 0;
    int lineAbove_ = 0;  // the line's height above and below the bottom of unshifted text
    int lineBelow_ = 0;
    FontId lineFont_ = 0;
    int x_ = 0;
    int top_ = 0;
    int widest_ = 0;
    bool endsInBlank_ = false;
    bool stopped_ = false;
    DisplayList list_;
};

}  // namespace

DisplayList Layout(std::string_view markup, const LayoutOptions& options, Measurer& measurer) {
    if (markup.find_first_of("\r\n") != std::string_view::npos) {
        const std::string joined = JoinLines(markup);
        return Layouter(joined, options, measurer).Run(joined);
    }
    return Layouter(markup, options, measurer).Run(markup);
}

}  // namespace zevadar::markup
