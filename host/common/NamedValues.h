#pragma once
// A property of an object by its name, read as a host reads what a form file gave it: a name
// the object does not have, or a value of the wrong kind, is simply not there. For the items of
// the common controls (tabs, buttons, panels), which the host keeps by name.
#include <optional>
#include <string>

#include "engine/HostObject.h"

namespace kv::host {

std::optional<Value> named_value(HostObject& o, const std::string& name);
// A finite number (a text that reads as one too).
std::optional<double> named_number(HostObject& o, const std::string& name);
std::optional<std::string> named_text(HostObject& o, const std::string& name);
// A count or an index as a small whole number: files hold whatever they hold.
int whole(double x, int low, int high);
// A size a control of another library keeps itself, in HiMetric (2540 an inch) in the file.
double himetric_twips(double himetric);

}  // namespace kv::host
