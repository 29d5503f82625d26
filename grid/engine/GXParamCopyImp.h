// The parameter-copy module: deep copies of parameter objects (CGXGridParam::operator=), styles maps
// and properties (their copy constructors).
//
// A parameter copy deletes the target's owned styles map, data, properties and print device, copies
// every option field, and gives the target its own copies of the source's styles map, data (of the
// source data's class, filled with CopyFrom), properties and print device (CGXPrintDevice::CopyFrom);
// the target owns every object it makes this way, whatever the source's ownership flags say, so
// nothing is leaked. The range lists (in the reversed order CGXRangeList's assignment gives), row
// heights and column widths are copied. Not copied: the undo and redo lists and the arrays of the grid
// core's objects. The grids that show the target then take its new objects
// (CGXGridCore::OnParamObjectsReplaced), so none keeps a pointer into a deleted one.
#pragma once

#include "grid/engine/GXModules.h"

class CGXGridParamCopyOperatorImp : public CGXAbstractGridParamCopyOperatorImp {
public:
    // Make dest a copy of src as described above (nothing when they are the same object).
    void CopyParam(CGXGridParam& dest, const CGXGridParam& src) override;
    void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) override;
    void CopyProperties(CGXProperties& dest, const CGXProperties& src) override;
};

// Installs the parameter-copy module once (GridLibraryState::m_pParamCopyOperatorImp).
void InstallGlobalGridParamCopyOperatorImp();
