// The grid operations: the interfaces of the grid's operation modules (one header per module, each
// with the creator its module provides) and the table that hands their creators to the grid library.
//
// How a module plugs in: its work defines the module class and its creator (declared in the module's
// header, e.g. GXCreateCutPasteImp in GXCutPasteImp.h) in new files of this folder, adds those files
// to this folder's CMakeLists.txt and replaces the null of its own row in the table of
// GXOperations.cpp by its creator. Each row stands on a line of its own between comment lines, so
// that modules built side by side never change the same lines.
#pragma once

// Gives the grid library the creators of the table (GridLibraryState::m_moduleCreators and
// m_gridModuleCreators). A program calls it before InitGridLibrary, which installs the process-wide
// modules; every grid made afterwards attaches its per-grid modules. Rows still null leave their
// pointers null: the engine then takes the absent path.
void GXRegisterGridOperations();
