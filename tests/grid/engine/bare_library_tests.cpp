// The grid library in a program that never started it and carries none of its resources: a grid
// cannot be initialised without the library's window class, and registering names that the string
// table lacks raises the resource exception.
#include "wine_gtest.h"

#include "Throws.h"

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXStylesMap.h"

TEST(BareLibrary, InitializeWithoutTheGridWindowClassIsNotSupported)
{
    CGXGridCore grid;
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { grid.Initialize(); }));
    EXPECT_FALSE(grid.IsInitialized());
    EXPECT_EQ(grid.GetParam(), nullptr) << "nothing was made";
}

TEST(BareLibrary, MissingNamesRaiseTheResourceException)
{
    CGXControlFactory factory;
    CGXStylesMap stylesMap;
    EXPECT_TRUE(Throws<CResourceException>([&] { factory.RegisterAllControls(stylesMap); }));
    EXPECT_TRUE(Throws<CResourceException>([&] { factory.RegisterAllUserAttributes(stylesMap); }));
    EXPECT_TRUE(stylesMap.GetControlNames().empty());
}
