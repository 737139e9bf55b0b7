#include "apps/kelvane/HelpText.h"

#include <sstream>

namespace kv::app {

std::string wrapped(const std::string& text, size_t width, size_t indent) {
    std::string out;
    std::istringstream paragraphs(text);
    std::string paragraph;
    bool first_paragraph = true;
    while (std::getline(paragraphs, paragraph)) {
        if (!first_paragraph) out += '\n';
        first_paragraph = false;
        // Leading blanks of a paragraph are kept (indented lists).
        const size_t lead = paragraph.find_first_not_of(' ');
        if (lead == std::string::npos) continue;
        std::string line = paragraph.substr(0, lead);
        const size_t base = line.size();
        std::istringstream words(paragraph.substr(lead));
        std::string word;
        bool empty = true;
        while (words >> word) {
            if (!empty && line.size() + 1 + word.size() > width) {
                out += line + '\n';
                line = std::string(base + indent, ' ');
                empty = true;
            }
            line += (empty ? "" : " ") + word;
            empty = false;
        }
        out += line;
    }
    return out;
}

}  // namespace kv::app
