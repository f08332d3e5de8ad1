#pragma once

// The standard streams under the names plug-in code of this API uses unqualified.

#include <iomanip>
#include <iostream>

using std::cerr;
using std::cin;
using std::cout;
using std::endl;
using std::flush;
using std::istream;
using std::ostream;
