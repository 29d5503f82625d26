// The portable core of the class library: run-time classes, strings, collections, exceptions, files
// and archives. Plain C++17 with fixed-width types; it compiles alike in native and Win32 units.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"
#include "core/NumberText.h"
#include "core/CException.h"
#include "core/CFile.h"
#include "core/CMemFile.h"
#include "core/CStdioFile.h"
#include "core/CSafeFile.h"
#include "core/CArchive.h"
#include "core/CollectionSupport.h"
#include "core/CArray.h"
#include "core/CList.h"
#include "core/CMap.h"
#include "core/Arrays.h"
#include "core/Lists.h"
#include "core/OwnedObList.h"
#include "core/Maps.h"
