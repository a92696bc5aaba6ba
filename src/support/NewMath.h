#pragma once

#include <array>

namespace Portal::Math {

constexpr double DegToRad = 0.0174532925;

enum ANGLE_TYPE : int {
    ANGLE_TYPE_COMPUTED = 0,
    ANGLE_TYPE_TABLE = 2, // a whole degree looked up in the table
};

struct ROTATION_DATA
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int cx = 0;
    int cy = 0;
    float angle = 0.0f;
};

// floor(v + 0.5): halves round upward, so -2.5 gives -2.
int RoundToInt(double v);

// Per-degree sine and cosine table and rotations about a centre (screen coordinates:
// y grows downward). Degrees used as table indices are taken modulo 360.
class NewMath
{
public:
    NewMath();

    void createTrigonometricTable();
    void getSinCosRadian(float* sine, float* cosine, int degree) const;
    void calSinCosTheta(float* sine, float* cosine, float degrees) const;

    void convterRotationPoint(int* outX, int* outY, int x, int y, int cx, int cy, int angle, ANGLE_TYPE type) const;
    void convterRotationPoint(double* outX, double* outY, double x, double y, double cx, double cy, float angle,
                              ANGLE_TYPE type) const;

    void originRotationXY(int* outX, int* outY, int ox, int oy, int radius, int degree) const;
    void originRotationXY(int* outXY, int ox, int oy, int radius, int degree) const;
    void originRotationXY(int* outX, int* outY, int ox, int oy, int radius, float degrees) const;

    void calRotationParameter(ROTATION_DATA* data, float angle, int w, int h) const;
    void calRotationPos(ROTATION_DATA* data, int x, int y) const;
    void calRotationPos(double* outX, double* outY, double x, double y, double angle) const;

private:
    struct SinCos
    {
        float sine;
        float cosine;
    };
    const SinCos& entry(int degree) const;

    std::array<SinCos, 360> m_table{};
};

} // namespace Portal::Math
