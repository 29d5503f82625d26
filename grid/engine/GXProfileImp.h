// The profile module: the grid's settings in the application's profile (the registry under the
// application's registry key when it has one, else its INI file), always through the application
// object's profile strings; without an application object nothing is written and nothing is read.
//
// Values are strings: attribute numbers are written with "%lu", property numbers with "%ld", and both
// are read back with the C library's integer conversion; a value that reads back empty leaves its
// setting unchanged; a key whose attribute is not included is deleted.
//
// A style (WriteStyle / ReadStyle) goes to its section key by key: "HorizontalAlignment" (0, 1, 2),
// "VerticalAlignment" (0, 4, 8), "ReadOnly", "FloatCell", "FloodCell", "MergeCell", "Draw3dFrame",
// "ControlId", "MaxLength", "VerticalScrollbar", "BaseStyle" (the base style's name in the styles
// map), "TextColor" ("%d %d %d": red, green, blue), "WrapText", "AutoSize", "AllowEnter", "Enabled",
// "TriState", "Value", "Interior" (brush text), "Format", "Places", "ChoicesList" (escaped), "Font"
// (font text), "Borders" ("1"), then the border sides left, right, top and bottom under the keys
// "Top", "Left", "Bottom" and "Right" (in that pairing, kept for the profiles already written), and
// each user attribute as "UA%lu" (GXTextForms.h has the text forms); the "UA%lu" keys of attributes
// the styles map registers but the style lacks are deleted, so that a later read does not bring back
// an attribute removed since. Reading frees the style first;
// a "BaseStyle" beginning with "#" names a resource id, any other a style name, both resolved in the
// styles map (nothing without one); "UA%u" is read for every user attribute the styles map registers.
//
// The styles map (WriteStylesMap / ReadStylesMap) clears its section first (registry: every subkey;
// INI file: the section) and writes each base style under "#%lu" with its resource id, or its name:
// with the registry into the subkey "<section>\<name>", with the INI file into the section
// "<section>.<name>", listed in the section as "<name>=1". Reading registers each style listed (by
// resource id after "#", else by name; a style registered before keeps its system flag), looks the
// standard styles up again and completes the standard style with the library defaults (mode 1).
// Reading answers FALSE when the section lists no style.
//
// Properties (WriteProperties / ReadProperties): each colour under its name ("%lu"), "MarkColumnHeader",
// "MarkRowHeader", "3dHeader", "HorizontalLines", "VerticalLines", each user property's Value as
// "UP%u" (written only when the style includes a Value; read into the Value, empty when missing),
// "Page Order", "Print Vertical Lines", "Print Horizontal Lines", "Print Only Black&White", "Print Row
// Headers", "Print Column Headers", "Center Vertical", "Center Horizontal", "Print Frame", "Margins"
// ("%ld,%ld,%ld,%ld": top, left, bottom, right; read up to the first missing comma), "Start Page
// Numbering", "Distances" ("%ld,%ld": header, footer). Reading answers FALSE and changes nothing when
// the section does not exist (registry: its key cannot be opened; INI file: it lists no key).
#pragma once

#include "grid/engine/GXModules.h"

class CGXGridProfileImp : public CGXAbstractGridProfileImp {
public:
    // The profile operations of GXModules.h, as described above.
    void WriteStylesMap(const CGXStylesMap& map) override;
    void WriteFont(const CGXFont& font, const char* pszSection, const char* pszKey) override;
    void WriteStyle(const CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap) override;
    void WriteProperties(const CGXProperties& properties) override;
    BOOL ReadStylesMap(CGXStylesMap& map) override;
    BOOL ReadFont(CGXFont& font, const char* pszSection, const char* pszKey) override;
    BOOL ReadStyle(CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap) override;
    BOOL ReadProperties(CGXProperties& properties) override;
};

// Installs the profile module once (GridLibraryState::m_pProfileImp).
void InstallGlobalGridProfileImp();
