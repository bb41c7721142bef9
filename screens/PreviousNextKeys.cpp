#include "screens/PreviousNextKeys.h"

void PreviousNextKeys(TScreenContext& context) {
    TMenuState& menu = context.Menu;
    if (context.Input.Left.Pressed) {
        if (menu.MenuIndex == 7)
            context.Host.ChooseMenuItem(7);
        else if (menu.MenuIndex == 8)
            menu.MenuIndex = 7;
    }
    if (context.Input.Right.Pressed) {
        if (menu.MenuIndex == 8)
            context.Host.ChooseMenuItem(8);
        else if (menu.MenuIndex == 7)
            menu.MenuIndex = 8;
    }
}
