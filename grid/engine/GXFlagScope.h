// A flag of the grid core set for as long as a scope lives, then put back (the grid's re-entry guards
// and switches that hold while one operation runs). Internal to the engine.
#pragma once

#include <windows.h>

class FlagScope {
public:
    FlagScope(BOOL& rbFlag, BOOL bValue) : m_rbFlag(rbFlag), m_bSaved(rbFlag) { rbFlag = bValue; }
    ~FlagScope() { m_rbFlag = m_bSaved; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    BOOL& m_rbFlag;
    BOOL m_bSaved;
};
