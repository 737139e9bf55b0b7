#pragma once
// A relative path up two layers.
#include "../control/Top.h"
