#include "simhost/pictures/default_pictures.h"

#include <algorithm>
#include <cmath>

namespace fx::pictures {
namespace {

std::uint16_t channel(double v) { return static_cast<std::uint16_t>(std::clamp(v, 0.0, 1.0) * kWhite + 0.5); }

void put(Picture& picture, int x, int y, double r, double g, double b) {
    std::uint16_t* p = picture.pixel(x, y);
    p[0] = channel(r);
    p[1] = channel(g);
    p[2] = channel(b);
    p[3] = kWhite;
}

}  // namespace

// Red at the top left to amber at the bottom right, a pale sun, a dark disc and a band.
Picture warm_default_picture(int width, int height) {
    Picture picture = blank_picture(width, height, "warm default picture");
    const double side = std::min(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double v = double(y) / height;
            const double t = 0.5 * (u + v);
            double r = 0.75 + 0.25 * t;
            double g = 0.15 + 0.55 * t;
            double b = 0.08 + 0.1 * t;
            const double sun = std::hypot(x - 0.72 * width, y - 0.32 * height) / side;
            if (sun < 0.17) {
                r = 1.0;
                g = 0.95;
                b = 0.7;
            }
            const double disc = std::hypot(x - 0.28 * width, y - 0.66 * height) / side;
            if (disc < 0.2) {
                r *= 0.35;
                g *= 0.25;
                b *= 0.3;
            }
            if (std::abs(v - 0.85 - 0.1 * std::sin(u * 6.28318)) < 0.03) {
                r = 0.45;
                g = 0.1;
                b = 0.05;
            }
            put(picture, x, y, r, g, b);
        }
    }
    return picture;
}

// Teal and deep blue checks crossed by light diagonal waves.
Picture cool_default_picture(int width, int height) {
    Picture picture = blank_picture(width, height, "cool default picture");
    const int check = std::max(8, std::min(width, height) / 9);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool dark = ((x / check) + (y / check)) % 2 == 0;
            double r = dark ? 0.05 : 0.1;
            double g = dark ? 0.15 : 0.55;
            double b = dark ? 0.45 : 0.6;
            const double wave = std::sin((x + y) * 6.28318 / (check * 1.5) + 2.0 * std::sin(y * 6.28318 / height));
            if (wave > 0.85) {
                r += 0.5;
                g += 0.4;
                b += 0.35;
            }
            put(picture, x, y, r, g, b);
        }
    }
    return picture;
}

}  // namespace fx::pictures
