#include "host/qt/QtPageDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "engine/Error.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPageView.h"

namespace kv::qt {

QtPageDialog::QtPageDialog(QtHost& host, const ObjectRef& control, QWidget* parent)
    : QDialog(parent),
      host_(host),
      alive_(host.shared_from_this()),
      model_(host.open_property_pages(control)) {
    setWindowTitle("Property Pages");
    tabs_ = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    apply_ = buttons->addButton("&Apply", QDialogButtonBox::ApplyRole);
    // The control's about box, as the designer offers it beside the pages.
    about_ = buttons->addButton("A&bout", QDialogButtonBox::HelpRole);
    ok_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (size_t i = 0; i < model_->page_count(); ++i) {
        auto* tab = new QWidget;
        // A page smaller than the largest stands on the dialog's colour, as its own back is.
        tab->setAutoFillBackground(true);
        tabs_->addTab(tab, QString::fromStdString(model_->page(i)->caption()));
        views_.push_back(std::make_unique<QtPageView>(*this, model_->page(i), *tab));
    }
    tabs_->setCurrentIndex(static_cast<int>(model_->active_index()));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (refreshing_ || i < 0) return;
        guarded([&] { model_->select_page(static_cast<size_t>(i)); });
    });
    connect(ok_, &QPushButton::clicked, this, [this] { guarded([&] { ok(); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(apply_, &QPushButton::clicked, this, [this] { guarded([&] { apply(); }); });
    connect(about_, &QPushButton::clicked, this, [this] {
        guarded([&] {
            if (const auto control = model_->control()->user_control()) control->about_box();
        });
    });
    refresh();
}

QtPageDialog::~QtPageDialog() {
    const auto host = alive_.lock();
    try {
        if (host && model_ && model_->is_open()) model_->cancel();
    } catch (...) {
        // A page that fails while the dialog goes away has nobody left to tell.
    }
    views_.clear();
    if (host) host_.sync();
}

QPushButton& QtPageDialog::button(Button which) const {
    switch (which) {
        case Button::Ok:
            return *ok_;
        case Button::Cancel:
            return *cancel_;
        case Button::Apply:
            return *apply_;
        case Button::About:
            break;
    }
    return *about_;
}

QtPageView& QtPageDialog::active_view() const {
    return view(model_->active_index());
}

void QtPageDialog::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const Error& e) {
        std::fprintf(stderr, "property pages: %s (%d)\n", e.description().c_str(), e.number());
    }
    refresh();
}

void QtPageDialog::apply() {
    if (model_->apply() && on_applied_) on_applied_();
}

void QtPageDialog::ok() {
    const bool changes = model_->apply_enabled();
    model_->ok();
    if (changes && on_applied_) on_applied_();
    accept();
}

void QtPageDialog::reject() {
    guarded([&] {
        if (model_->is_open()) model_->cancel();
    });
    QDialog::reject();
}

void QtPageDialog::refresh() {
    ++refreshing_;
    host_.sync();
    if (model_->is_open()) {
        for (auto& v : views_) v->sync();
        tabs_->setCurrentIndex(static_cast<int>(model_->active_index()));
        active_view().follow_focus();
    }
    apply_->setEnabled(model_->apply_enabled());
    --refreshing_;
}

}  // namespace kv::qt
