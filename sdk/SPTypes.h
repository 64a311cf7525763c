// Plug-in suite architecture scalar types (the basic suite's own vocabulary).
#ifndef FX_SDK_SPTYPES_H
#define FX_SDK_SPTYPES_H

#include <cstddef>
#include <cstdint>

typedef int8_t int8;
typedef uint8_t uint8;
typedef int16_t int16;
typedef uint16_t uint16;
typedef int32_t int32;
typedef uint32_t uint32;
typedef int64_t int64;
typedef uint64_t uint64;

typedef int32 SPErr;

// 4 bytes, the Windows width: the host is a Windows program and the Linux
// build shares its layouts (a Mac build of the published headers makes it 1).
typedef int32 SPBoolean;

typedef int32 SPInt32;
typedef uint32 SPUInt32;

// Calling convention marker; empty on x86-64 Windows and with GCC/clang.
#define SPAPI

#endif
