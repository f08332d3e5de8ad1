#pragma once

// Basic definitions every API header shares: the version of the API these headers declare and the
// small fixed-size array types data handles answer.

#include <cstddef>

/// The API version: Maya 2014.
#define MAYA_API_VERSION 201400

/// The exported-symbol markers the API's classes carry; nothing is needed on this host.
#ifndef OPENMAYA_EXPORT
#define OPENMAYA_EXPORT
#endif
#ifndef FND_EXPORT
#define FND_EXPORT
#endif

/// Plain arrays of two, three and four numbers (MDataHandle::asDouble3 and friends).
typedef short short2[2];
typedef short short3[3];
typedef int int2[2];
typedef int int3[3];
typedef int int4[4];
typedef float float2[2];
typedef float float3[3];
typedef float float4[4];
typedef double double2[2];
typedef double double3[3];
typedef double double4[4];

/// Unsigned integer names the API's declarations use.
typedef unsigned int uint;
typedef unsigned char uchar;
