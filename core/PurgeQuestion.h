// The question the window asks before a purge removes anything.
#pragma once

#include "Purge.h"
#include "Text.h"

namespace velmora {

// "将永久删除 N项（共 XMB），此操作无法撤销。是否继续？": N the plan's rows, XMB their sizes
// added up and written as the report of their removal writes the freed space.
Text purgeQuestion(const PurgePlan& plan);

} // namespace velmora
