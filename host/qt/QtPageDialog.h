#pragma once
// The property-pages dialog of the Qt host: the memory model's dialog (MemoryPageDialog: the
// pages, their Initialize/SelectionChanged/ApplyChanges/Terminate, the Changed flags) shown as a
// real QDialog. A QTabWidget holds a tab per page in the control's order, each tab the page's
// own window (a QtFormWindow, so the page's controls are the Qt host's widgets), and OK, Cancel
// and Apply close it (Apply available while a page's Changed flag is set; Escape and the close
// box cancel). What the user does to the widgets goes to the page code as the developer's hand
// on the memory pages (see QtPageView).
#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "engine/HostObject.h"
#include "host/memory/MemoryPageDialog.h"

class QTabWidget;
class QPushButton;

namespace kv::qt {

class QtHost;
class QtPageView;

class QtPageDialog : public QDialog {
  public:
    enum class Button { Ok, Cancel, Apply, About };

    // Opens the pages on `control` (a user control on a form in the designer; error 5 else).
    QtPageDialog(QtHost& host, const ObjectRef& control, QWidget* parent = nullptr);
    ~QtPageDialog() override;

    QtHost& host() const { return host_; }
    mem::MemoryPageDialog& model() const { return *model_; }
    QTabWidget& tabs() const { return *tabs_; }
    QPushButton& button(Button which) const;
    size_t page_count() const { return views_.size(); }
    QtPageView& view(size_t i) const { return *views_.at(i); }
    QtPageView& active_view() const;

    // Called after Apply (or OK) wrote the pages' changes through the control.
    void set_on_applied(std::function<void()> f) { on_applied_ = std::move(f); }

    // Bring every page's widgets, the current tab, the Qt focus and Apply up to the model.
    void refresh();

    // Escape, the close box and Cancel: the pages close without applying.
    void reject() override;

  private:
    void apply();
    void ok();
    // Runs a step of the page code from a Qt signal; a host error (a page closed meanwhile)
    // must not cross the event loop.
    void guarded(const std::function<void()>& step);

    QtHost& host_;
    // A dialog the user still has open when the host goes must not reach back into it.
    std::weak_ptr<mem::MemoryHost> alive_;
    std::shared_ptr<mem::MemoryPageDialog> model_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* about_ = nullptr;
    std::vector<std::unique_ptr<QtPageView>> views_;
    std::function<void()> on_applied_;
    int refreshing_ = 0;

    friend class QtPageView;
};

}  // namespace kv::qt
