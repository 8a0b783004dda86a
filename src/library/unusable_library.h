// The library's database cannot be used: no database, another program's, damaged, or of a later
// version. Its message (CP932) says which and offers to make it again from the kept records.
#pragma once

#include <string>

#include "data/error.h"

namespace zv::library {

class UnusableLibrary : public Error {
public:
    // why: the reason in Japanese (UTF-8), e.g. "壊れています".
    explicit UnusableLibrary(const std::string& why);
};

}  // namespace zv::library
