#pragma once

// Distances and bearings on the WGS-84 ellipsoid and on a sphere. Positions in degrees,
// north and east positive. The callers check for not-available positions (91, 181).
namespace Algorithm {

// The inverse solutions below run Vincenty's iteration; where it does not converge within 100
// passes (nearly antipodal points) or meets exactly antipodal ones, Karney's solution
// (GeographicLib) answers instead.
// Distance in nautical miles; 0 for coincident points.
float Cal2PointsDistVincenty(double lat1, double lon1, double lat2, double lon2);
// Initial bearing from point 1 to point 2 in degrees true, in [0, 360); 0 for coincident points.
float Cal2PointsBearingVincenty(double lat1, double lon1, double lat2, double lon2);
// The bearing of the line from point 1 where it reaches point 2, in degrees true, in [0, 360);
// 0 for coincident points.
float Cal2PointsFinalBearingVincenty(double lat1, double lon1, double lat2, double lon2);
// Vincenty direct solution: the position reached from (lat, lon) after the distance in
// metres on the initial bearing; the longitude comes back in [-180, 180).
void CalDestPointVincenty(double* destLon, double* destLat, double lon, double lat, float distanceM,
                          float bearingDeg);
// Haversine distance in kilometres on a sphere of radius 6378.137 km.
double Cal2PointsDistanceGoogle(double lon1, double lat1, double lon2, double lat2);

} // namespace Algorithm
