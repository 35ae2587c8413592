// The gamma triple text that carries a desktop ramp between processes:
// gamma x 128, contrast x 128 and brightness x 256 as decimal numbers
// separated by blanks. No Windows headers.
#pragma once

#include <string>

namespace pellam {

struct GammaTriple {
    double gamma = 1.0;
    double contrast = 1.0;
    double brightness = 0.0;
};

// atoi rules: a text whose first number is 0 (or that starts with no
// number) is the neutral triple; a missing second or third number keeps
// its neutral value. Numbers are not limited. False for an empty text.
bool ParseGammaTriple(const std::string& text, GammaTriple& out);

// "%3.0f %3.0f %3.0f", so short numbers are padded with blanks.
std::string FormatGammaTriple(const GammaTriple& triple);

}  // namespace pellam
