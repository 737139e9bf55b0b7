#pragma once
// What an export made of a form, for the summary line and the notes under it.
#include <string>
#include <vector>

namespace kv::exporter {

struct ExportReport {
    size_t controls = 0;      // controls exported as the Qt widget that stands for their class
    size_t placeholders = 0;  // controls of classes no Qt widget stands for
    size_t actions = 0;       // menu items
    size_t pictures = 0;      // picture files written
    // One line each for what did not carry over as it was ("tmrPoll: a Timer has no widget ...").
    std::vector<std::string> notes;
};

}  // namespace kv::exporter
