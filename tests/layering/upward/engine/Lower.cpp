// A lower layer reaching up: what the include-direction check must refuse.
#include "engine/Lower.h"
#include "panes/Upper.h"
