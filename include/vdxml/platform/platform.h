// Everything of the platform layer that the public interface shows.
#pragma once

#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_error.h"
#include "vdxml/platform/com_ptr.h"
#include "vdxml/platform/status.h"
#include "vdxml/platform/unknown.h"
#include "vdxml/platform/variant.h"
