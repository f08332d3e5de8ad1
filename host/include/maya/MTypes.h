#pragma once

// Basic definitions every API header shares: the version of the API these headers declare.

#include <cstddef>

/// The API version: Maya 2014.
#define MAYA_API_VERSION 201400
