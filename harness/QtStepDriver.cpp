#include "harness/QtStepDriver.h"

#include "host/qt/QtUserInput.h"

namespace kv::app {

namespace {

class QtDriver : public StepDriver {
  public:
    explicit QtDriver(qt::QtHost& host) : host_(host), input_(host) {}
    void show(const std::shared_ptr<mem::MemoryForm>& form) override { host_.show(form); }
    void user_resize(mem::MemoryForm& form, double width, double height) override {
        input_.resize(form, width, height);
    }
    void set_state(mem::MemoryForm& form, int state) override { input_.set_state(form, state); }
    void drag(mem::MemoryForm& form, mem::MemoryObject& target, double x, double y, double x2,
              double y2) override {
        input_.drag(form, target, x, y, x2, y2);
    }
    bool close(mem::MemoryForm& form) override { return input_.close(form); }
    void settle() override { host_.settle(); }

  private:
    qt::QtHost& host_;
    qt::QtUserInput input_;
};

}  // namespace

std::unique_ptr<StepDriver> qt_driver(qt::QtHost& host) {
    return std::make_unique<QtDriver>(host);
}

}  // namespace kv::app
