#include "objects/utility.h"

#include "platform/random.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace Utility {

int Round(float x)
{
    if (x > 0)
        return static_cast<int>(std::floor(x + 0.5f));
    return static_cast<int>(std::ceil(x - 0.5f));
}

float Limit(float v, float a, float b)
{
    if (b > a) {
        if (v < a)
            return a;
        if (v > b)
            return b;
        return v;
    }
    if (v < b)
        return b;
    if (v > a)
        return a;
    return v;
}

float Normalise(float v, float low, float high, bool clamp)
{
    float r = (v - low) / (high - low);
    return clamp ? Limit(r, 0.0f, 1.0f) : r;
}

float ModifyRange(float v, float from_low, float from_high, float to_low, float to_high, bool clamp)
{
    float r = (to_high - to_low) * (v - from_low) / (from_high - from_low) + to_low;
    return clamp ? Limit(r, to_low, to_high) : r;
}

float Interpolate(float t, float low, float high, bool clamp)
{
    float r = (high - low) * t + low;
    return clamp ? Limit(r, low, high) : r;
}

float EuclideanMod(float a, float b)
{
    double da = a, db = b;
    return static_cast<float>(std::fmod(std::fmod(da, db) + db, db));
}

float UberMod(float v, float low, float high)
{
    return ModifyRange(EuclideanMod(Normalise(v, low, high, false), 1.0f), 0.0f, 1.0f, low, high, false);
}

float Mirror(float v, float a, float b)
{
    if (a < b) {
        float e = EuclideanMod(v - b, 2 * (b - a));
        return std::fabs(e - (b - a)) + a;
    }
    float e = EuclideanMod(v - a, 2 * (a - b));
    return std::fabs(e - (a - b)) + b;
}

float Nearest(float v, float a, float b) { return std::fabs(v - a) > std::fabs(v - b) ? b : a; }

float Approach(float v, float step, float target)
{
    if (v < target)
        return std::min(v + step, target);
    return std::max(v - step, target);
}

float Wave(int type, float x, float start, float end, float low, float high)
{
    switch (type) {
    case 0:
        return ModifyRange(std::sin(ModifyRange(x, start, end, 0.0f, 6.2831855f, false)), -1.0f, 1.0f, low, high,
                           false);
    case 1:
        return ModifyRange(std::cos(ModifyRange(x, start, end, 0.0f, 6.2831855f, false)), -1.0f, 1.0f, low, high,
                           false);
    case 2:
        return UberMod(ModifyRange(x, start, end, low, high, false), low, high);
    case 3:
        return UberMod(ModifyRange(x, start, end, high, low, false), low, high);
    case 4: {
        float mid = (end - start) / 2 + start;
        return Mirror(ModifyRange(x, start, mid, low, high, false), low, high);
    }
    case 5: {
        float mid = (end - start) / 2 + start;
        return mid > UberMod(x, start, end) ? low : high;
    }
    default:
        return 0.0f;
    }
}

int IntLimit(float v, float a, float b) { return Round(Limit(v, a, b)); }
int IntNormalise(float v, float low, float high, bool clamp) { return Round(Normalise(v, low, high, clamp)); }
int IntModifyRange(float v, float from_low, float from_high, float to_low, float to_high, bool clamp)
{
    return Round(ModifyRange(v, from_low, from_high, to_low, to_high, clamp));
}
int IntInterpolate(float t, float low, float high, bool clamp) { return Round(Interpolate(t, low, high, clamp)); }
int IntEuclideanMod(float a, float b) { return Round(EuclideanMod(a, b)); }
int IntUberMod(float v, float low, float high) { return Round(UberMod(v, low, high)); }
int IntMirror(float v, float a, float b) { return Round(Mirror(v, a, b)); }
int IntNearest(float v, float a, float b) { return Round(Nearest(v, a, b)); }
int IntApproach(float v, float step, float target) { return Round(Approach(v, step, target)); }
int IntWave(int type, float x, float start, float end, float low, float high)
{
    return Round(Wave(type, x, start, end, low, high));
}

bool Compare(float a, float b, int op)
{
    switch (op) {
    case 0:
        return a == b;
    case 1:
        return a != b;
    case 2:
        return a > b;
    case 3:
        return a < b;
    case 4:
        return a >= b;
    case 5:
        return a <= b;
    default:
        return false;
    }
}

float ExpressionCompare(float a, float b, int op, float x, float y) { return Compare(a, b, op) ? x : y; }

std::string StrExpressionCompare(float a, float b, int op, const std::string& s, const std::string& t)
{
    return Compare(a, b, op) ? s : t;
}

float GenerateRandom(float min, float max) { return cross_rand() / 32767.0f * (max - min) + min; }
int IntGenerateRandom(float min, float max) { return Round(GenerateRandom(min, max)); }
void SetRandomSeed(int seed) { cross_srand(static_cast<unsigned int>(seed)); }
void SetRandomSeedToTimer() { cross_srand(static_cast<unsigned int>(time(nullptr))); }

std::string Substr(const std::string& s, int start, int length)
{
    int size = static_cast<int>(s.size());
    if (start < 0)
        start += size;
    if (start < 0)
        start = 0;
    if (start >= size)
        return "";
    if (length < 0)
        return s.substr(static_cast<size_t>(start));
    return s.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

} // namespace Utility

namespace {
const double pi = 3.14159265358979323846;
}

double sin_deg(double x) { return std::sin(x * pi / 180.0); }
double cos_deg(double x) { return std::cos(x * pi / 180.0); }
double atan2d(double y, double x) { return std::atan2(y, x) * 180.0 / pi; }

float mod(float a, float b)
{
    float q = a / b;
    return a - std::floor(q) * b;
}

int int_min(int a, int b) { return a < b ? a : b; }
int int_max(int a, int b) { return a > b ? a : b; }

MathHelper math_helper = {0.0};

MathHelper& operator*(double a, MathHelper& helper)
{
    helper.base = a;
    return helper;
}

double operator*(MathHelper& helper, double b) { return std::pow(helper.base, b); }

MathHelper& operator%(double a, MathHelper& helper)
{
    helper.base = a;
    return helper;
}

double operator%(MathHelper& helper, double b) { return std::fmod(helper.base, b); }
