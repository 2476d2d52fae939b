// The conversion between the core's texts and QString for the windows: the platform's one
// (platform/QtText.h), reached through ui/common so that ui/dialogs includes no platform header.
#pragma once

#include "platform/QtText.h"
