#pragma once
// The property pages ("Resizing", "Panels", "Code") of a ResizerWidget on a form being designed
// (in Qt Designer), over that form's widgets: the same pages as on a form file, in the Qt host's
// page dialog. The form is read into a forms model of its own (its widgets are never moved), the
// resizer placed on it in design mode with the widget's properties; OK and Apply hand each
// property the pages changed to `write`, which puts it on the widget (the Designer plugin does so
// through the form window's cursor, so that the change can be undone and the form is saved).
// The Code page writes C++ for kelvane::Resizer. The pages keep their own choices (the colour
// view) in the user's Kelvane store.
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace kelvane {
class ResizerWidget;
}

namespace kv::qt {

class QtPageDialog;

class ResizerEditor {
  public:
    // The properties one OK or Apply changed, by name.
    using Changes = std::vector<std::pair<QString, QVariant>>;
    using Write = std::function<void(const Changes& changes)>;

    // `form`: the form's top widget as designed; `resizer` on it. std::invalid_argument with the
    // widget's placement problem when it is not on the form itself.
    ResizerEditor(QWidget& form, kelvane::ResizerWidget& resizer, Write write,
                  QWidget* dialog_parent = nullptr);
    ~ResizerEditor();
    ResizerEditor(const ResizerEditor&) = delete;
    ResizerEditor& operator=(const ResizerEditor&) = delete;

    QtPageDialog& dialog() const;
    // The dialog, modal, until it is closed.
    int exec();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kv::qt
