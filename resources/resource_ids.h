// Ids of the pictures in the executable's resources. Plain macros, because the resource
// compiler reads this header too and understands nothing else.
#pragma once

// Icon group: the 24 x 24 Go button.
#define IDI_GO 101

// RCDATA: PNG pictures, decoded at run time.
#define IDR_BACKGROUND 201
#define IDR_ICON_LARGE 202

// The application icon is the icon group named "MAINICON".
