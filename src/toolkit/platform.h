// The platform services, where code that drives the window from outside includes them.
#pragma once

#include "toolkit/platform/platform.h"
