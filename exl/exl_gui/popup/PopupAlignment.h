#pragma once

namespace exl
{
// Where a popup sits relative to its relative component; x is centred unless stated otherwise.
enum class PopupAlignment
{
    Below = 0,       // top at the component's bottom
    Above = 1,       // bottom at the component's top
    AlignTop = 2,    // tops aligned
    AlignBottom = 3, // bottoms aligned
    Centred = 4,     // centred both ways; also any value not listed
    RightOf = 5      // left at the component's right edge, y centred
};

enum class PopupCloseCondition
{
    ClickOutside = 0, // a press outside the popup closes it
    MouseLeave = 1    // so does the pointer leaving both the popup and its relative component
};
} // namespace exl
