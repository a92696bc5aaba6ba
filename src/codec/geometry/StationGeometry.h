#pragma once

// Distance and bearing of a ship-table entry from the own ship (entry 0). The caller holds the
// codec lock.

// Mid-latitude distance in nautical miles from the given own position; -1 when either position
// is missing.
void CalAllStationDistance(int entry, float ownLongitude, float ownLatitude);
// Flat bearing on the degree grid from entry 0, in [0, 360); 361 when either position is
// missing, 0 for equal positions.
void CalAllStationBearing(int entry);
