#include "harness/LoadNote.h"

#include "harness/ShownText.h"

namespace kv::app {

namespace {

// The one form of a note's line: a file's text may hold control characters, which would act on
// the terminal.
std::string said(const LoadNote& note, const std::string& kind) {
    const std::string place = note.place.text();
    return (place.empty() ? "" : shown(place) + ": ") + kind + shown(note.text);
}

}  // namespace

std::string LoadNote::finding() const {
    return said(*this, "");
}

std::string LoadNote::warning() const {
    return said(*this, "warning: ");
}

void print_load_warnings(std::ostream& err, const std::vector<LoadNote>& notes) {
    for (const auto& n : notes) err << n.warning() << "\n";
}

}  // namespace kv::app
