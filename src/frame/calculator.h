// Convenience header for host programs: the frame, the registry and the shared components in one
// include. Nothing inside the library includes it; library code includes the headers it uses.
#pragma once

#include "frame/component.h"
#include "frame/export.h"
#include "frame/fault.h"
#include "frame/filesystem.h"
#include "frame/host.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/persistence.h"
#include "frame/records.h"
#include "frame/registry.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "frame/variant.h"
#include "materials/material.h"
