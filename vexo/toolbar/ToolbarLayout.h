#pragma once
// Where the strip's buttons go for each style, and which image family a
// button of the large strip shows.
#include <vector>

struct ButtonPlace {
    int id;
    int x;
    int y;
};

// The client positions in pixels the buttons move to after initialisation;
// buttons of the style that stay out of sight are parked below the strip.
// The compact toolbar lays itself out.
std::vector<ButtonPlace> ButtonPlaces(int style);

// The large strip's family of a button, or null when the button keeps the
// family its caption names.
const char* LargeFamilyOf(int id);
