#pragma once

#include <string>

// Numeric helpers of the event code. They work in single precision; each
// Int variant rounds its float variant's result halves away from zero.
namespace Utility {

int Round(float x);

float Limit(float v, float a, float b);
int IntLimit(float v, float a, float b);
float Normalise(float v, float low, float high, bool clamp);
int IntNormalise(float v, float low, float high, bool clamp);
float ModifyRange(float v, float from_low, float from_high, float to_low, float to_high, bool clamp);
int IntModifyRange(float v, float from_low, float from_high, float to_low, float to_high, bool clamp);
float Interpolate(float t, float low, float high, bool clamp);
int IntInterpolate(float t, float low, float high, bool clamp);
float EuclideanMod(float a, float b);
int IntEuclideanMod(float a, float b);
float UberMod(float v, float low, float high);
int IntUberMod(float v, float low, float high);
float Mirror(float v, float a, float b);
int IntMirror(float v, float a, float b);
float Nearest(float v, float a, float b);
int IntNearest(float v, float a, float b);
float Approach(float v, float step, float target);
int IntApproach(float v, float step, float target);
float Wave(int type, float x, float start, float end, float low, float high);
int IntWave(int type, float x, float start, float end, float low, float high);

bool Compare(float a, float b, int op);
float ExpressionCompare(float a, float b, int op, float x, float y);
std::string StrExpressionCompare(float a, float b, int op, const std::string& s, const std::string& t);

float GenerateRandom(float min, float max);
int IntGenerateRandom(float min, float max);
void SetRandomSeed(int seed);
void SetRandomSeedToTimer();

std::string Substr(const std::string& s, int start, int length);

} // namespace Utility

double sin_deg(double x);
double cos_deg(double x);
double atan2d(double y, double x);
float mod(float a, float b);
int int_min(int a, int b);
int int_max(int a, int b);

// Powers and float modulo inside expressions: a * math_helper * b is
// pow(a, b) and a % math_helper % b is fmod(a, b).
struct MathHelper {
    double base;
};

extern MathHelper math_helper;

MathHelper& operator*(double a, MathHelper& helper);
double operator*(MathHelper& helper, double b);
MathHelper& operator%(double a, MathHelper& helper);
double operator%(MathHelper& helper, double b);
