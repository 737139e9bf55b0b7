#pragma once
// The shared host knowledge (host/common) under the memory host's own names.
#include "host/common/ClassTraits.h"
#include "host/common/FormFrame.h"
#include "host/common/ScaleUnits.h"
#include "host/common/TextFold.h"

namespace kv::mem {

using host::aligns_by_default;
using host::ClassTraits;
using host::fold;
using host::ForeignClass;
using host::frame_metrics;
using host::FrameMetrics;
using host::GeometryKind;
using host::iequal;
using host::kMenuBarPixels;
using host::kMinimizedWidthPixels;
using host::kMinTrackHeightPixels;
using host::kMinTrackWidthPixels;
using host::kScaleHimetric;
using host::kScreenHeightPixels;
using host::kScreenWidthPixels;
using host::supports;
using host::traits_for;
using host::twips_per_unit;

}  // namespace kv::mem
