// Twips, the unit of stored window positions and of RTF measures: 1440 an inch, and 15 a pixel on
// the screens the stored positions and the course's layouts were made for.
#pragma once

inline constexpr double TwipsPerPixel = 15.0;
