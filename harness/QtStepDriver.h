#pragma once
// The Qt host's step driver: each step as real Qt events to the form's window.
#include <memory>

#include "harness/StepDriver.h"
#include "host/qt/QtHost.h"

namespace kv::app {

std::unique_ptr<StepDriver> qt_driver(qt::QtHost& host);

}  // namespace kv::app
