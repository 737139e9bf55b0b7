#include "host/common/StyleSheet.h"

#include <algorithm>
#include <cctype>

#include "host/common/TextFold.h"

namespace kv::host {

namespace {

// The sheet without its comments; a comment parts what stands either side of it, as a space.
std::string without_comments(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            out += c;
            if (c == '\\' && i + 1 < text.size()) {
                out += text[++i];
            } else if (c == quote) {
                quote = 0;
            }
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 1;
            out += ' ';
        } else {
            if (c == '"' || c == '\'') quote = c;
            out += c;
        }
    }
    return out;
}

// The first of `marks` at or after `from` outside a quoted string; npos where there is none.
size_t find_outside_quotes(std::string_view text, std::string_view marks, size_t from) {
    char quote = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (marks.find(c) != std::string_view::npos) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string_view StyleSheet::trimmed(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    return t;
}

void StyleSheet::read_block(std::string_view block, Rule& rule) {
    size_t at = 0;
    while (at < block.size()) {
        const size_t semi = std::min(find_outside_quotes(block, ";", at), block.size());
        const std::string_view decl = block.substr(at, semi - at);
        at = semi + 1;
        const size_t colon = decl.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view property = trimmed(decl.substr(0, colon));
        if (property.empty()) continue;
        rule.declarations.push_back({fold(property), std::string(trimmed(decl.substr(colon + 1)))});
    }
}

StyleSheet::StyleSheet(std::string_view text) {
    const std::string sheet = without_comments(text);
    const std::string_view s = sheet;
    if (find_outside_quotes(s, "{", 0) == std::string_view::npos) {
        Rule bare;
        read_block(s, bare);
        if (!bare.declarations.empty()) rules_.push_back(std::move(bare));
        return;
    }
    size_t at = 0;
    while (at < s.size()) {
        const size_t open = find_outside_quotes(s, "{", at);
        if (open == std::string_view::npos) break;
        const size_t close = std::min(find_outside_quotes(s, "}", open + 1), s.size());
        Rule rule;
        std::string_view selectors = s.substr(at, open - at);
        while (!selectors.empty()) {
            const size_t comma = std::min(selectors.find(','), selectors.size());
            if (const auto one = trimmed(selectors.substr(0, comma)); !one.empty())
                rule.selectors.emplace_back(one);
            selectors.remove_prefix(std::min(comma + 1, selectors.size()));
        }
        read_block(s.substr(open + 1, close - open - 1), rule);
        // A block without selectors selects nothing (Qt drops it).
        if (!rule.selectors.empty()) rules_.push_back(std::move(rule));
        at = close + 1;
    }
}

}  // namespace kv::host
