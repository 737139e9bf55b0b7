#pragma once
// What the .ui loader's tests share: a form's bytes built from its widgets, and a memory host
// with the resizer's class that loads them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiReader.h"

namespace kv::ui {

inline std::string rect(int x, int y, int w, int h) {
    return "<property name=\"geometry\"><rect><x>" + std::to_string(x) + "</x><y>" +
           std::to_string(y) + "</y><width>" + std::to_string(w) + "</width><height>" +
           std::to_string(h) + "</height></rect></property>";
}

inline std::string widget(const std::string& cls, const std::string& name,
                          const std::string& inside) {
    return "<widget class=\"" + cls + "\" name=\"" + name + "\">" + inside + "</widget>\n";
}

inline std::string form(const std::string& inside, const std::string& tail = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui "
           "version=\"4.0\">\n<class>Mail</class>\n" +
           widget("QWidget", "Mail", rect(0, 0, 640, 440) + "\n" + inside) + tail + "</ui>\n";
}

inline const std::string kDeclared =
    "<customwidgets><customwidget><class>kelvane::ResizerWidget</class><extends>QWidget</extends>"
    "</customwidget><customwidget><class>TagCloud</class><extends>QWidget</extends>"
    "<container>1</container></customwidget></customwidgets>\n";

inline std::string prop(const std::string& name, const std::string& kind, const std::string& value,
                        bool own = false) {
    return "<property name=\"" + name + "\"" + (own ? " stdset=\"0\"" : "") + "><" + kind + ">" +
           value + "</" + kind + "></property>";
}

class UiLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = mem::MemoryHost::install();
        host_->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    }
    UiLoadedForm load(const std::string& bytes) {
        doc_ = UiReader::read_bytes(bytes, "f.ui");
        return UiLoader::load(doc_, *host_);
    }
    std::shared_ptr<mem::MemoryHost> host_;
    UiDocument doc_;
};

}  // namespace kv::ui
