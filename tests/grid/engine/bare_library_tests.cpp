// The grid library in a program that never started it and carries none of its resources: a grid
// cannot be initialised without the library's window class, and registering names that the string
// table lacks raises the resource exception.
#include "wine_gtest.h"

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXStylesMap.h"

TEST(BareLibrary, InitializeWithoutTheGridWindowClassIsNotSupported)
{
    CGXGridCore grid;
    try {
        grid.Initialize();
        ADD_FAILURE() << "no exception";
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
    EXPECT_FALSE(grid.IsInitialized());
    EXPECT_EQ(grid.GetParam(), nullptr) << "nothing was made";
}

TEST(BareLibrary, MissingNamesRaiseTheResourceException)
{
    CGXControlFactory factory;
    CGXStylesMap stylesMap;
    for (int i = 0; i < 2; ++i) {
        try {
            if (i == 0)
                factory.RegisterAllControls(stylesMap);
            else
                factory.RegisterAllUserAttributes(stylesMap);
            ADD_FAILURE() << "no exception, registration " << i;
        } catch (CResourceException* e) {
            e->Delete();
        }
    }
    EXPECT_TRUE(stylesMap.GetControlNames().empty());
}
