#pragma once

// Extents of geographic lines and areas, with longitudes that may cross 0° or 180°.
// A pair of extents is {maximum, minimum}.
namespace Algorithm {

// For longitudes of opposite sign: -1 when the shorter arc passes 0°, 1 when it passes
// 180°; with direction -2 / -3 or 3 / 2 by whether lon2 is greater. Else 0.
int GetLonLineThMode(double lon1, double lon2, char withDirection);
// Sets the pair to {-181, 181}, ready to be widened.
void InitialNumValueLL(double (&pair)[2]);
// Widens the pair to include the value.
void CompareLatValue(double (&pair)[2], double value);
// Widens the positive or the negative pair by the longitude and notes which side was seen.
void CompareLonValuePN(double (&positive)[2], double (&negative)[2], bool (&seen)[2], double lon);
// The longitude extent from both pairs; mode 1 or more is an extent across 180°.
void GetLonValueCompareResult(double (&result)[2], const double (&positive)[2], const double (&negative)[2],
                              const bool (&seen)[2], char mode);
// Midpoint of a line; in mode 1 or more the longitude difference has 360 added first.
void CalLineCenterLL(double* lat, double* lon, double lat1, double lat2, double lon1, double lon2, char mode);

} // namespace Algorithm
