#pragma once
// Something loading a form passed over (a text or list its .frx cannot give, a class the
// runtime's library does not have, a picture left out, a widget class kept as a plain control):
// what the user then sees is not the form quite as written, so every command that loads it says
// so, at its place in the file.
#include <ostream>
#include <string>
#include <vector>

#include "harness/SettingsPlaces.h"

namespace kv::app {

struct LoadNote {
    FilePlace place;
    std::string text;  // "lblA.Caption: the text is in a.frx, which is missing: it is left empty"

    // "FILE:LINE: text", as check lists it among its findings.
    std::string finding() const;
    // "FILE:LINE: warning: text", as the commands that show the form warn of it.
    std::string warning() const;
};

// Each note as its warning line on `err`: a note is no failure, and stdout stays the command's.
void print_load_warnings(std::ostream& err, const std::vector<LoadNote>& notes);

}  // namespace kv::app
