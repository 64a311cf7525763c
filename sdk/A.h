// Basic scalar and geometry types shared by every host interface header.
//
// Our own declarations of the host's published effect interface (names, values
// and record layouts only). Every integer type is fixed-width so that records
// lay out identically on 64-bit Windows (LLP64) and x86-64 Linux (LP64).
#ifndef FX_SDK_A_H
#define FX_SDK_A_H

#include <cstddef>
#include <cstdint>

#pragma pack(push, 8)

typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef char A_char;
typedef short A_short;
typedef unsigned short A_u_short;
typedef unsigned char A_u_char;
typedef unsigned char A_Boolean;
typedef intptr_t A_intptr_t;
typedef uint64_t A_u_longlong;
typedef double A_FpLong;
typedef float A_FpShort;
typedef A_long A_Err;
typedef void* A_Handle;
typedef A_long A_Fixed;
typedef A_u_long A_UFixed;
typedef A_u_short A_UTF16Char;
typedef A_u_longlong A_HandleSize;

// The host is a Windows program, and one set of record layouts serves the
// Windows build and the Linux build: legacy enumerations are 4-byte A_long as
// the Windows compiler sees them, not the 1-byte char a GCC build of the
// published headers would give.
typedef A_long A_LegacyEnumType;

enum {
    A_Err_NONE = 0,
    A_Err_GENERIC = 1,
    A_Err_STRUCT = 2,
    A_Err_PARAMETER = 3,
    A_Err_ALLOC = 4,
    A_Err_WRONG_THREAD = 5,
    A_Err_CONST_PROJECT_MODIFICATION = 6,
    A_Err_RESERVED_7 = 7,
    A_Err_RESERVED_8 = 8,
    A_Err_RESERVED_9 = 9,
    A_Err_RESERVED_10 = 10,
    A_Err_RESERVED_11 = 11,
    A_Err_RESERVED_12 = 12,
    A_Err_MISSING_SUITE = 13,
    A_Err_RESERVED_14 = 14,
    A_Err_RESERVED_15 = 15,
    A_Err_RESERVED_16 = 16,
    A_Err_RESERVED_17 = 17,
    A_Err_RESERVED_18 = 18,
    A_Err_RESERVED_19 = 19,
    A_Err_RESERVED_20 = 20,
    A_Err_RESERVED_21 = 21,
    A_Err_NOT_IN_CACHE_OR_COMPUTE_PENDING = 22,
    A_Err_PROJECT_LOAD_FATAL = 23,
    A_Err_EFFECT_APPLY_FATAL = 24,
    A_Err_LAST = 25
};

typedef struct {
    A_long value;
    A_u_long scale;
} A_Time;

typedef struct {
    A_long num;
    A_u_long den;
} A_Ratio;

typedef struct {
    A_FpLong x, y;
} A_FloatPoint;

typedef struct {
    A_FpLong x, y, z;
} A_FloatPoint3;

typedef struct {
    A_FpLong left, top, right, bottom;
} A_FloatRect;

typedef struct {
    A_FpLong mat[3][3];
} A_Matrix3;

typedef struct {
    A_FpLong mat[4][4];
} A_Matrix4;

typedef struct {
    A_long left, top, right, bottom;
} A_LRect;

typedef struct {
    A_long x, y;
} A_LPoint;

typedef struct {
    A_FpLong alpha, red, green, blue;
} A_Color;

#pragma pack(pop)

#endif
