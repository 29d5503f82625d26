// GoogleTest for Winelib test programs. Include this instead of <gtest/gtest.h> in any test source that
// also sees windows.h: under the Winelib flags gtest would otherwise take its Windows branch.
#pragma once
#pragma push_macro("_WIN32")
#pragma push_macro("WIN32")
#pragma push_macro("__WIN32__")
#pragma push_macro("_WIN64")
#pragma push_macro("__cdecl")
#undef _WIN32
#undef WIN32
#undef __WIN32__
#undef _WIN64
#undef __cdecl
#include <gtest/gtest.h>
#pragma pop_macro("__cdecl")
#pragma pop_macro("_WIN64")
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN32")
