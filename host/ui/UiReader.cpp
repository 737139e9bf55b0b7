#include "host/ui/UiReader.h"

#include <expat.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "host/ui/UiError.h"

namespace kv::ui {

namespace {

// The parser's callbacks build the element tree; a problem of our own stops the parser with
// its reason and line.
struct Parse {
    XML_Parser parser = nullptr;
    UiDocument* doc = nullptr;
    std::vector<UiElement*> open;  // the elements not yet closed, outermost first
    std::string stop_reason;
    size_t stop_line = 0;
    bool has_root = false;

    void stop(std::string reason) {
        if (!stop_reason.empty()) return;
        stop_reason = std::move(reason);
        stop_line = XML_GetCurrentLineNumber(parser);
        XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL on_start(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& s = *static_cast<Parse*>(data);
    if (!s.stop_reason.empty()) return;
    if (s.open.size() >= kMaxUiDepth) {
        s.stop("elements nested more than " + std::to_string(kMaxUiDepth) +
               " deep: no Designer form is built so");
        return;
    }
    UiElement e;
    e.name = name;
    for (size_t i = 0; attributes[i]; i += 2)
        e.attributes.emplace_back(attributes[i], attributes[i + 1]);
    e.line = XML_GetCurrentLineNumber(s.parser);
    e.begin = static_cast<size_t>(XML_GetCurrentByteIndex(s.parser));
    e.content = e.begin + static_cast<size_t>(XML_GetCurrentByteCount(s.parser));
    UiElement* placed = nullptr;
    if (s.open.empty()) {
        s.doc->root = std::move(e);
        placed = &s.doc->root;
        s.has_root = true;
    } else {
        // Only the innermost open element grows: the open ones above it never move.
        auto& siblings = s.open.back()->children;
        siblings.push_back(std::move(e));
        placed = &siblings.back();
    }
    s.open.push_back(placed);
}

void XMLCALL on_end(void* data, const XML_Char*) {
    auto& s = *static_cast<Parse*>(data);
    if (!s.stop_reason.empty() || s.open.empty()) return;
    UiElement& e = *s.open.back();
    const auto count = static_cast<size_t>(XML_GetCurrentByteCount(s.parser));
    if (count == 0) {  // <empty/>: the start tag was the whole element
        e.content_end = e.content;
        e.end = e.content;
    } else {
        e.content_end = static_cast<size_t>(XML_GetCurrentByteIndex(s.parser));
        e.end = e.content_end + count;
    }
    s.open.pop_back();
}

void XMLCALL on_text(void* data, const XML_Char* text, int length) {
    auto& s = *static_cast<Parse*>(data);
    if (!s.stop_reason.empty() || s.open.empty()) return;
    s.open.back()->text.append(text, static_cast<size_t>(length));
}

// A Designer form has no document type; its entities would only be a way to blow the file up.
void XMLCALL on_doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<Parse*>(data)->stop(
        "a document type declaration (<!DOCTYPE ...>), which no Qt Designer form has: not read");
}

}  // namespace

UiDocument UiReader::read_file(const std::string& path) {
    // Looked at before reading: a device or a pipe never ends, and no form is this large.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw UiError(path, 0, std::string("cannot read the file: ") + std::strerror(errno));
    if (S_ISDIR(st.st_mode)) throw UiError(path, 0, "expected a form file, found a folder");
    if (!S_ISREG(st.st_mode))
        throw UiError(path, 0, "expected a form file, found a device, pipe or socket");
    if (static_cast<uint64_t>(st.st_size) > kMaxUiFileBytes)
        throw UiError(path, 0,
                      "expected a form file of at most 64 MB, found " + std::to_string(st.st_size) +
                          " bytes");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UiError(path, 0, "cannot read the file");
    std::ostringstream ss;
    ss << in.rdbuf();
    return read_bytes(ss.str(), path);
}

UiDocument UiReader::read_bytes(std::string bytes, const std::string& path) {
    UiDocument doc = read_xml(std::move(bytes), path);
    if (doc.root.name != "ui")
        throw UiError(path, doc.root.line,
                      "expected a Qt Designer form, whose outermost element is <ui>, found <" +
                          doc.root.name + ">");
    return doc;
}

UiDocument UiReader::read_xml(std::string bytes, const std::string& path) {
    if (bytes.size() > kMaxUiFileBytes)
        throw UiError(path, 0,
                      "expected a form file of at most 64 MB, found " +
                          std::to_string(bytes.size()) + " bytes");
    UiDocument doc;
    doc.path = path;
    doc.bytes = std::move(bytes);
    std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                        XML_ParserFree);
    if (!parser) throw UiError(path, 0, "out of memory reading the file");
    Parse s;
    s.parser = parser.get();
    s.doc = &doc;
    XML_SetUserData(s.parser, &s);
    XML_SetElementHandler(s.parser, on_start, on_end);
    XML_SetCharacterDataHandler(s.parser, on_text);
    XML_SetStartDoctypeDeclHandler(s.parser, on_doctype);
    const auto status =
        XML_Parse(s.parser, doc.bytes.data(), static_cast<int>(doc.bytes.size()), XML_TRUE);
    if (!s.stop_reason.empty()) throw UiError(path, s.stop_line, s.stop_reason);
    if (status != XML_STATUS_OK) {
        const auto line = static_cast<size_t>(XML_GetCurrentLineNumber(s.parser));
        const auto column = static_cast<size_t>(XML_GetCurrentColumnNumber(s.parser)) + 1;
        throw UiError(path, line,
                      std::string("broken XML at column ") + std::to_string(column) + ": " +
                          XML_ErrorString(XML_GetErrorCode(s.parser)));
    }
    return doc;
}

}  // namespace kv::ui
