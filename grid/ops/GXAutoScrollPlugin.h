// The auto-scroll plug-in: scrolls the grid while the mouse is held beyond its edge or a key is held
// (CGXGridCore::StartAutoScroll starts it). Its constructor turns the grid's auto-scroll switch on.
//
// Does not do yet: the module (CGXAutoScrollPlugin) comes with its own work; its creator
// (GXCreateAutoScrollPlugin) plugs into the table of GXOperations.cpp when it lands.
#pragma once

class CGXGridCore;
class CGXPluginComponent;

// The plug-in for pGrid (the grid owns it), or null.
CGXPluginComponent* GXCreateAutoScrollPlugin(CGXGridCore* pGrid);
