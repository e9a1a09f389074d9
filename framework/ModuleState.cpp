#include "framework/ModuleState.h"

namespace fw {

namespace {
ModuleState g_program;
ModuleState* g_current = &g_program;
}  // namespace

ModuleState& ProgramModuleState() { return g_program; }
ModuleState& CurrentModuleState() { return *g_current; }

ModuleStateScope::ModuleStateScope(ModuleState* state) : m_previous(g_current)
{
    if (state != nullptr)
        g_current = state;
}

ModuleStateScope::~ModuleStateScope() { g_current = m_previous; }

}  // namespace fw
