// The auto-scroll plug-in: scrolls the grid while the mouse is held beyond its edge or a key is held
// (CGXGridCore::StartAutoScroll starts it). Its constructor turns the grid's auto-scroll switch on.
//
// The module is CGXAutoScrollPlugin (GXGridAutoScrollPlugin.h).
#pragma once

class CGXGridCore;
class CGXPluginComponent;

// The plug-in for pGrid (the grid owns it), or null.
CGXPluginComponent* GXCreateAutoScrollPlugin(CGXGridCore* pGrid);
