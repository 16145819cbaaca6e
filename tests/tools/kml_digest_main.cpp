// SPDX-License-Identifier: GPL-3.0-or-later
// kml-digest A.kml [B.kml]: A's digest, one line per placemark; with B, the first difference
// between the two (numbers within 1e-6), and status 1 when there is one.
#include <iostream>

#include "support/kml_digest.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: kml-digest A.kml [B.kml]\n";
        return 2;
    }
    const auto a = flenmark::testing::KmlDigest(argv[1]);
    if (argc == 2) {
        for (const std::string& line : a) std::cout << line << "\n";
        return 0;
    }
    const std::string difference =
        flenmark::testing::DigestDifference(a, flenmark::testing::KmlDigest(argv[2]), 1e-6);
    std::cout << (difference.empty() ? "same: " + std::to_string(a.size()) + " placemarks"
                                     : difference)
              << "\n";
    return difference.empty() ? 0 : 1;
}
