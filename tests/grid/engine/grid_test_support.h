// Support of the grid engine tests: installing the library's modules, reading what the cell data
// holds, and switching a library setting for the life of an object.
#pragma once

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXDocSerializeImp.h"
#include "grid/engine/GXParamCopyImp.h"
#include "grid/engine/GXProfileImp.h"
#include "grid/engine/GXSerializeQW5Imp.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStyleCompareImp.h"
#include "grid/engine/GXStyleSerializeImp.h"

// Installs every module of the engine, as the library's start-up does (a second call adds nothing).
inline void InstallGridModules()
{
    CGXControlFactory().InitializeApplicationComponents();
}

// The Value stored at a cell (kind 0) or base style (kind -1); "-" when nothing is stored there.
inline CString StoredValue(const CGXData& data, ROWCOL nRow, ROWCOL nCol, int nKind = CGXData::gxCellStyle)
{
    CGXStyle style;
    if (!data.GetCellStyle(nRow, nCol, style, CGXStyle::gxCopy, nKind))
        return "-";
    return style.GetValueRef();
}

// Sets a module pointer of the library state (or of a grid) to pModule for as long as this object
// lives.
template <class T>
class WithModule {
public:
    WithModule(T*& rpModule, T* pModule) : m_rpModule(rpModule), m_pSaved(rpModule) { rpModule = pModule; }
    ~WithModule() { m_rpModule = m_pSaved; }
    WithModule(const WithModule&) = delete;
    WithModule& operator=(const WithModule&) = delete;

private:
    T*& m_rpModule;
    T* m_pSaved;
};

// Sets a module pointer to null for as long as this object lives.
template <class T>
class WithoutModule : public WithModule<T> {
public:
    explicit WithoutModule(T*& rpModule) : WithModule<T>(rpModule, nullptr) {}
};

// Switches the library's number recognition for as long as this object lives, so that a failed
// assertion cannot leave it switched for the tests that follow.
class NumberRecognition {
public:
    explicit NumberRecognition(BOOL bOn) : m_bWas(GXGetLibraryState()->m_bNumberRecognition)
    {
        GXGetLibraryState()->m_bNumberRecognition = bOn;
    }
    ~NumberRecognition() { GXGetLibraryState()->m_bNumberRecognition = m_bWas; }
    NumberRecognition(const NumberRecognition&) = delete;
    NumberRecognition& operator=(const NumberRecognition&) = delete;

private:
    BOOL m_bWas;
};
