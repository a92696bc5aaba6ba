#pragma once

#include <cstdint>

// Closest point of approach between two moving ships on a local flat plane, and the distances,
// scales and bearings of the codec's small navigation library. Stateless apart from CPA_Setting.

// One ship for the CPA computation, passed by value.
struct SHIP_INFO_TO_CPA
{
    float latitude;  // degrees, north positive
    float longitude; // degrees, east positive
    float sog;       // knots
    double cog;      // degrees true
};

struct VECTOR
{
    float x;
    float y;
    float z;
};

// On the local plane: velocity in knots and position in nautical miles relative to the own
// ship, x east and y north.
struct TRACK
{
    VECTOR velocity;
    VECTOR position;
};

// Written by CpaInitial; nothing reads it.
struct CPA_SETTING
{
    int32_t firstValue;
    int32_t secondValue;
    uint8_t firstFlag;
    uint8_t secondFlag;
};
extern CPA_SETTING CPA_Setting;

// Takes the codec lock; writes 5, 10, 1, 1.
void CpaInitial();

// CPA in nautical miles and TCPA in minutes of the target from the own ship, on the plane of
// CalVector; both outputs are always written. A closest approach in the past gives a negative
// TCPA; equal velocities give TCPA 0 and the present distance.
void cpa_distance_time(SHIP_INFO_TO_CPA own, SHIP_INFO_TO_CPA target, float* cpa, float* tcpa);
// The same for two tracks already on a plane centred on the own ship.
void CalTrackCpa(TRACK ownTrack, TRACK targetTrack, float* cpa, float* tcpa);
// Nautical miles per degree along the parallel and along the meridian, measured over a span of
// degrees centred on the point (the start clamped at -180 and -90); 0 for a span that is not
// positive.
void CalLonLatScale(float longitude, float latitude, float* lonScale, float* latScale, float span);

VECTOR Vector_ADD(VECTOR a, VECTOR b);
VECTOR Vector_Sub(VECTOR a, VECTOR b);
VECTOR Vector_Scale(VECTOR v, float factor);
// The vector of that length in that direction (degrees true): x east, y north.
VECTOR Vector_Polar(float length, double degreesTrue);
// Both tracks on the plane centred on the own ship; the longitude difference is taken the
// short way round, so across the date line too.
void CalVector(SHIP_INFO_TO_CPA own, SHIP_INFO_TO_CPA other, TRACK* ownTrack, TRACK* otherTrack);
// Hours to the closest approach; 0 when the relative speed is (almost) nil.
float cpa_time(TRACK first, TRACK second);

// Kilometres on a sphere by the law of cosines.
float Cal2PointsDistanceGC(float lon1, float lat1, float lon2, float lat2);
// Kilometres by mid-latitude sailing.
float Cal2PointsDistanceEllip(float lon1, float lat1, float lon2, float lat2);
// The bearing of a vector from its north and east components: 90 - atan2(north, east), turned
// into degrees with the rounded factor 57.3, in [0, 360).
float CalGridBearing(double north, double east);
// Degrees true in [0, 360) from mid-latitude components; 0 for identical points.
float Cal2PointBearing(float lon1, float lat1, float lon2, float lat2);
// Degrees true in [0, 359.99] from great-circle components; 0 for identical points and for a
// position out of range.
float CalBearing(float lon1, float lat1, float lon2, float lat2);
